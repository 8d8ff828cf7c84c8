#pragma once
// Explosion: a burst of particles flying out from one point in a cone,
// drawn through the frames of a texture as they age (a ParticleBurst). Used
// only through Smoke. The creator appends it to a layer of the scene, which
// ticks, draws and deletes it. Main thread only.
#include "effects/ParticleBurst.h"

#include <cstdint>

class Texture;

class Explosion : public ParticleBurst {
public:
    // count particles (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians
    // (spread 2 pi or more: all round); particle scale. No frame texture:
    // Smoke sets one.
    Explosion(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
              float particleScale);

    // The particles' frames by age; not owned (a resource); null draws nothing.
    Texture* frameTexture = nullptr;
    // Frames of frameTexture (its first skins), set with it.
    int32_t frameCount = 0;

protected:
    // Older particles (less life left) show later frames.
    void stepParticle(Sparc& particle, const V3& moved, float step) override;
};
