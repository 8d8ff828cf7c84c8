#include "CircleCloudElement.h"

CircleCloudElement::CircleCloudElement(float, float, float)
{
}

void CircleCloudElement::tick(double, double)
{
}

void CircleCloudElement::render()
{
}
