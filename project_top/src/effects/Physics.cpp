#include "effects/Physics.h"

#include <cmath>

void Physics::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    acceleration = force * (1.0f / mass);
    velocity += acceleration * step;
    const float speedSquared = velocity.lengthSquared();
    if (speedSquared > 0.0f) {
        const float speed = std::sqrt(speedSquared);
        if (drag > 0.0f) {
            const V3 slowing = velocity * (-step * drag / speed);
            // Drag brings the body to rest; it never pushes it backwards.
            if (slowing.lengthSquared() <= speedSquared)
                velocity += slowing;
            else
                velocity = V3();
        }
        if (maxSpeed * maxSpeed < speedSquared)
            velocity = velocity * (maxSpeed / speed);
        previousPosition = position;
        position += velocity * step;
    }
    force = V3();
}
