#include "FeatureMouth.h"

FeatureMouth::FeatureMouth(int variants) : Feature(variants)
{
}
