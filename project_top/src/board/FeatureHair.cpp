#include "FeatureHair.h"

FeatureHair::FeatureHair(int variants) : Feature(variants)
{
}
