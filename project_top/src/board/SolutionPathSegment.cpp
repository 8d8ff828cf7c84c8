#include "SolutionPathSegment.h"

SolutionPathSegment::SolutionPathSegment(float, float, float, float, float, float)
{
}

void SolutionPathSegment::tick(double, double)
{
}

void SolutionPathSegment::render()
{
}
