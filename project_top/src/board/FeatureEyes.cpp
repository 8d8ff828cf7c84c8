#include "FeatureEyes.h"

FeatureEyes::FeatureEyes(int variants) : Feature(variants)
{
}

void FeatureEyes::onStateChange()
{
}
