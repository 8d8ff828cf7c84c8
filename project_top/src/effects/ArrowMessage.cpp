#include "ArrowMessage.h"

ArrowMessage::ArrowMessage(float, float, float, UColor, float, const std::string&)
{
}

void ArrowMessage::tick(double, double)
{
}

void ArrowMessage::render()
{
}
