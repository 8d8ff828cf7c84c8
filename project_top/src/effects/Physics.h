#pragma once
// Physics: a point body moved one integration step per call: force over mass
// gives the acceleration, a constant drag slows the body without reversing
// it and a maximum speed caps it. Owners keep one as a member and step it
// themselves every frame (it is not in the object tree); they add to force
// between steps and read position. It draws nothing and runs neither its
// state machine nor children. Main thread only.
#include "KivBase.h"
#include "V3.h"

class Physics : public KivBase {
public:
    Physics() = default;

    // One step of dt seconds (t unused); clears force afterwards.
    void tick(double t, double dt) override;

    V3 position;
    // The position before the last move.
    V3 previousPosition;
    // Units per second.
    V3 velocity;
    // Units per second squared, derived from force and mass each step.
    V3 acceleration;
    // Accumulated by the owner between steps.
    V3 force;
    float mass = 1.0f;
    // Constant deceleration in units per second squared; 0 is off.
    float drag = 0.0f;
    // Units per second.
    float maxSpeed = 1000000.0f;
};
