#include "CircleScore2.h"

CircleScore2::CircleScore2(int)
{
}

void CircleScore2::addCircularText(const std::string&, UColor, float, float, int)
{
}

void CircleScore2::fadeOut()
{
}

void CircleScore2::tick(double, double)
{
}

void CircleScore2::render()
{
}

void CircleScore2::onStateChange()
{
}
