#include "FeatureBody.h"

FeatureBody::FeatureBody(int variants) : Feature(variants)
{
}

void FeatureBody::render()
{
}
