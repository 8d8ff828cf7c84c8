#include "CircleScore.h"

CircleScore::CircleScore(int, float)
{
}

void CircleScore::addStar(UColor, float)
{
}

void CircleScore::addCircularText(const std::string&, UColor, float, float, int)
{
}

void CircleScore::tick(double, double)
{
}

void CircleScore::render()
{
}

void CircleScore::onStateChange()
{
}
