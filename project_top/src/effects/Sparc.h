#pragma once
// Sparc: one particle of a burst (Explosion, Firework, StarBurst): a sprite
// with a velocity and a life; alive while life > 0. The burst that owns it
// in its particle array launches, moves and draws it; it is never in the
// object tree. Particles ignore events. Main thread only.
#include "Renderable.h"
#include "V3.h"

class Sparc : public Renderable {
public:
    Sparc() = default;

    // Sets the particle off from (x, y, z) as every burst does, drawing three
    // random fractions in this order: its angle within the spread around
    // direction (radians), its turn, its speed between speedMin and speedMax
    // (units per second). Its life is its speed, shortened towards the edges
    // of a cone narrower than a full turn (a tenth at the very edge).
    void launch(float x, float y, float z, float speedMin, float speedMax, float direction, float spread);
    // Where the particle is dt seconds on at its velocity (z unchanged).
    V3 positionAfter(float dt) const;

    // Units per second.
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    // Starts at the particle's speed; falls by the burst's decay per second.
    float life = 0.0f;
};
