#pragma once
// FeatureBrows: a smiley's brows (feature 4): frames of "brows" with the
// glow outlines of "browsGlow". Owned by its smiley as a child.
// Main thread only.
#include "board/Feature.h"

class FeatureBrows : public Feature {
public:
    explicit FeatureBrows(int variants);
};
