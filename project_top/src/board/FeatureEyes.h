#pragma once
// FeatureEyes: a smiley's eyes (feature 1): frames of "eyes", glow outlines
// of "eyesGlow", and a blink ("eyesBlink") every 1 to 20 seconds driven by
// its own state machine (1 open, 2 closed). Owned by its smiley as a child.
// Main thread only.
#include "board/Feature.h"

class FeatureEyes : public Feature {
public:
    // Opens the eyes (state 1) after 1 second.
    explicit FeatureEyes(int variants);

    void onStateChange() override;

    // Indexed by frame; not owned.
    Skin* blinkSkins[MAX_VARIANTS] = {};
};
