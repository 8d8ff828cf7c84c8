#include "CircleCloud.h"

CircleCloud::CircleCloud(float)
{
}

void CircleCloud::tick(double, double)
{
}

void CircleCloud::render()
{
}
