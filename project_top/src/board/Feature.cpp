#include "Feature.h"

Feature::Feature(int)
{
}

void Feature::tick(double, double)
{
}

void Feature::render()
{
}

void Feature::setVariant(int, int)
{
}
