#include "effects/Spring.h"

void Spring::tick(double t, double dt)
{
    force -= (position - anchor) * stiffness;
    const float k = static_cast<float>(dt) * friction;
    // A step with more friction than velocity stops the body rather than
    // swinging it back.
    if ((velocity * k).lengthSquared() <= velocity.lengthSquared())
        velocity = velocity * (1.0f - k);
    else
        velocity = V3();
    Physics::tick(t, dt);
}
