#include "SolutionPath.h"

SolutionPath::SolutionPath() = default;

void SolutionPath::addSegment(Smiley*, Smiley*)
{
}

void SolutionPath::setColour(UColor)
{
}
