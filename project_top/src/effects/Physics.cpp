#include "Physics.h"

void Physics::tick(double, double)
{
}
