#pragma once
// Camera: the view of a screen. (Minimal until the rendering core lands: it
// stands at (0, 0, -fovWidth/2) looking at (0, 0), so one unit at depth 0 is
// one view pixel and (0, 0) is the centre of the view.)
#include "KivBase.h"
#include "V3.h"

class Camera : public KivBase {
    KIV_DECLARE_CLASS()
public:
    Camera();

    void tick(double t, double dt) override;
    virtual void lateUpdate(double t, double dt);
    // Sets the projection and view.
    void render() override;
    // View position (from the left and bottom edges) to the world point at depth z.
    V3 screen2world(float x, float y, float z) const;

    V3 position;
    V3 lookAtPoint;
};
