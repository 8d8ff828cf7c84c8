#pragma once
// StarBurst: a burst of shrinking, fading stars ("star:1") in random bright
// colours around a dismissed clown (a ParticleBurst). The layer it was
// appended to ticks, draws and deletes it. Main thread only.
#include "effects/ParticleBurst.h"

class StarBurst : public ParticleBurst {
public:
    // count stars (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians;
    // starting scale of every star.
    StarBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
              float particleScale);

protected:
    // Shrinks and fades a star as its life runs out.
    void stepParticle(Sparc& particle, const V3& moved, float step) override;
};
