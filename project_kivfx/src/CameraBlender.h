#pragma once
// CameraBlender: a screen camera whose position is recomputed every frame
// from a chain of blend targets (CameraBlenderFactor children, oldest first):
// each target blends from wherever the older chain puts the view, and once a
// newer target has arrived the older ones are dropped. The screen
// (ContextBlender) owns the blender; the blender owns its targets. The
// owning screen calls lateUpdate after its contents' update. Main thread only.
#include "Camera.h"
#include "V3.h"

class CameraBlender : public Camera {
public:
    CameraBlender();

    // Puts the view at (x, y, z) at once and drops every blend target. With
    // clampToGround the view is raised so that the bottom edge of the plane
    // z = 0 it sees is no lower than -4.
    void jumpTo(float x, float y, float z, bool clampToGround);
    // The per-frame blend of the targets, then the roll shake.
    void lateUpdate(double t, double dt) override;

    // Where the blend chain starts every frame.
    V3 restPosition;
    // Roll shake: length and time since it began (seconds), amplitude
    // (radians per second of shake still to run).
    double shakeDuration = 0.0;
    double shakeElapsed = 0.0;
    double shakeAmplitude = 0.0;
};
