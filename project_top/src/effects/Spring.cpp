#include "Spring.h"

void Spring::tick(double, double)
{
}
