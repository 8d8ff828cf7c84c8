#pragma once
// FeatureMouth: a smiley's mouth (feature 2): frames of "mouths" with the
// glow outlines of "mouthsGlow". Owned by its smiley as a child.
// Main thread only.
#include "board/Feature.h"

class FeatureMouth : public Feature {
public:
    explicit FeatureMouth(int variants);
};
