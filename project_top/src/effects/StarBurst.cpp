#include "StarBurst.h"

StarBurst::StarBurst(float, float, float, int, float, float, float, float, float)
{
}

void StarBurst::tick(double, double)
{
}

void StarBurst::render()
{
}
