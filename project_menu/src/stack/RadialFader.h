#pragma once
// RadialFader: the iris wipe drawn over every screen: a black ring whose hole
// shrinks from beyond the corners of the view to nothing (coverage 1) and
// opens again (coverage 0, nothing drawn). The screen stack owns the one
// instance (as the only child of its fader layer) and opens it whenever the
// active screen changes; game screens close and open it by writing the two
// public fields. It draws its own geometry, centred on the world origin of
// the layer's default camera. Main thread only.
#include "Renderable.h"

class RadialFader : public Renderable {
public:
    // Width of the soft edge inside the hole and of the margin outside the
    // view's corners, view units.
    static constexpr float EDGE = 32.0f;
    // Segments of the full circle.
    static constexpr int SEGMENTS = 128;

    RadialFader();

    // Moves coverage towards targetCoverage by dt (one full closing per
    // second); no state machine, no children.
    void tick(double t, double dt) override;
    void render() override;

    // Radius of the ring's outer edge: beyond the view's corners.
    static float outerRadius();
    // Radius of the hole at a coverage (closing), for an outer radius.
    static float innerRadius(float outer, float closing);

    // 0 open (nothing drawn) .. 1 fully black.
    float coverage = 0.0f;
    // The value coverage moves to.
    float targetCoverage = 0.0f;

private:
    void drawSoftEdge(float inner) const;
    void drawRing(float outer, float inner) const;
};
