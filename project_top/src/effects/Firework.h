#pragma once
// Firework: a burst of falling, shrinking sparks of the texture "flare" in
// one colour (a ParticleBurst: vitamins, the thermometer, the solution path,
// the ending). The layer it was appended to ticks, draws and deletes it.
// Main thread only.
#include "UColor.h"
#include "effects/ParticleBurst.h"

class Texture;

class Firework : public ParticleBurst {
public:
    // count sparks (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians;
    // sparks shrink towards 0.1 from sparkScale; colour of every spark.
    Firework(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
             float sparkScale, UColor colour);

    float particleScale = 1.0f;
    // Not owned (a resource).
    Texture* flareTexture = nullptr;

protected:
    // Drops and shrinks a spark.
    void stepParticle(Sparc& particle, const V3& moved, float step) override;
};
