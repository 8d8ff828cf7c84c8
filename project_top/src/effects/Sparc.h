#pragma once
// Sparc: one particle of a burst (Explosion, Firework, StarBurst): a sprite
// with a velocity and a life; alive while life > 0. The burst that owns it
// in its particle array moves and draws it; it is never in the object tree.
// Particles ignore events. Main thread only.
#include "Renderable.h"

class Sparc : public Renderable {
public:
    Sparc() = default;

    // Units per second.
    float velocityX = 0.0f;
    float velocityY = 0.0f;
    // Starts at the particle's speed; falls by the burst's decay per second.
    float life = 0.0f;
};
