#include "SmileyGenerator.h"

SmileyGenerator::SmileyGenerator() = default;

void SmileyGenerator::configure(int)
{
}

void SmileyGenerator::setup(float)
{
}

void SmileyGenerator::resetPools()
{
}

void SmileyGenerator::avoidFeaturesOf(const Smiley*)
{
}

void SmileyGenerator::shareFeatureWith(const Smiley*)
{
}

Smiley* SmileyGenerator::createSmiley()
{
    return nullptr;
}

Feature* SmileyGenerator::createFeatureByIndex(int) const
{
    return nullptr;
}

int SmileyGenerator::pickVariant(int, int) const
{
    return 0;
}
