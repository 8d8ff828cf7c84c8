#pragma once
// FeatureHair: a smiley's hair (feature 3): frames of "hair" with the
// glow outlines of "hairGlow". With a single variant it has no skin at all:
// the smiley is bald. Owned by its smiley as a child. Main thread only.
#include "board/Feature.h"

class FeatureHair : public Feature {
public:
    explicit FeatureHair(int variants);
};
