#pragma once
// Spring: a Physics body pulled back to its anchor (the rest point, the
// origin) with a stiffness and slowed by a friction per second; the wobble
// of smileys and flowers. Owners keep one as a member, set mass, stiffness
// and friction after construction, step it every frame and read position.
// Main thread only.
#include "effects/Physics.h"

class Spring : public Physics {
public:
    Spring() = default;

    // The spring force, the friction, then one Physics step of dt seconds.
    void tick(double t, double dt) override;

    V3 anchor;
    float stiffness = 1.0f;
    // Fraction of the velocity lost per second; a step whose friction
    // exceeds 1 stops the body.
    float friction = 0.0f;
};
