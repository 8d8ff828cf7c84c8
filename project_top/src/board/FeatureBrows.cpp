#include "FeatureBrows.h"

FeatureBrows::FeatureBrows(int variants) : Feature(variants)
{
}
