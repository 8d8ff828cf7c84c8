#pragma once
// CameraBlenderFactor: one blend target of a CameraBlender. Its position is
// where the view should glide to (x, y and the camera's z); its factor grows
// from 0 to 1 over its duration along its easing curve, after a start delay
// that the blender counts down. It is appended as the last child of the
// screen's CameraBlender, which owns it and alone ticks it; it never renders.
// Main thread only.
#include "Camera.h"

class CameraBlenderFactor : public Camera {
public:
    CameraBlenderFactor() = default;

    // Advances factor by dt over duration; called only by the blender.
    void tick(double t, double dt) override;

    // Easing curve 0..8 of the interpolating V3 constructor.
    int curve = 5;
    // Seconds for factor to go from 0 to 1; 0 or less reaches 1 at once.
    double duration = 1.0;
    double elapsed = 0.0;
    // Blend fraction 0..1.
    float factor = 0.0f;
    // Seconds of start delay still to run.
    double delay = 0.0;
};
