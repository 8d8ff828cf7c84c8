#pragma once
// FeatureBody: a smiley's body (feature 0): frames 0..2 of "body", with the
// glow outline of frame 5 and an overlay (frame 3) that covers the body as
// the smiley holds its breath or is left over. Owned by its smiley as a
// child. Main thread only.
#include "board/Feature.h"

class Texture;

class FeatureBody : public Feature {
public:
    explicit FeatureBody(int variants);

    // The feature, then the overlay while breathTint > 0.
    void render() override;

    // "body"; not owned (a resource).
    Texture* bodyTexture = nullptr;
    // Overlay strength 0..1.
    float breathTint = 0.0f;
};
