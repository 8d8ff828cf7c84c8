#pragma once
// StarBurst: a burst of shrinking, fading stars ("star:1") in random bright
// colours around a dismissed clown. It marks itself dead once every star has
// died out; the layer it was appended to ticks, draws and deletes it.
// Main thread only.
#include "KivBase.h"
#include "Sparc.h"

#include <cstdint>
#include <memory>

class StarBurst : public KivBase {
public:
    // count stars (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians;
    // starting scale of every star.
    StarBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
              float particleScale);

    // Moves, shrinks and fades the stars; runs no state machine and no children.
    void tick(double t, double dt) override;
    // The live stars in array order.
    void render() override;

    // Life units lost per second.
    float lifeDecay = 96.0f;
    std::unique_ptr<Sparc[]> particles;
    int32_t particleCount = 0;
    float maxSpeed = 0.0f;
};
