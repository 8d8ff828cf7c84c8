#pragma once
// CircleCloudElement: one puff of a CircleCloud's ring, bobbing in and out
// along its direction, drawn over a darker rim at High detail. Made only by
// CircleCloud, whose child it is. It ignores events. Main thread only.
#include "Renderable.h"

class CircleCloudElement : public Renderable {
public:
    // size: half-size of the puff in units; puffAngle: its direction from the
    // cloud's centre in radians; radius: the cloud's ring radius.
    CircleCloudElement(float size, float puffAngle, float radius);

    // Bobs along the direction (t: absolute time in seconds); no state
    // machine, no children.
    void tick(double t, double dt) override;
    // The rim (High detail only), then the puff.
    void render() override;

    // Radians.
    float phase = 0.0f;
    // Radians per second, 1..2.
    float bobSpeed = 1.0f;
    // Radians.
    float angle = 0.0f;
    float ringRadius = 102.0f;
    // Drawn beneath the puff; a member, not a child.
    Renderable rim;
};
