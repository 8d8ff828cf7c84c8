#pragma once
// Explosion: a burst of particles flying out from one point in a cone,
// drawn through the frames of a texture as they age; it marks itself dead
// once every particle has died out, and its parent deletes it. Used only
// through Smoke. The creator appends it to a layer of the scene, which ticks
// and draws it. Main thread only.
#include "KivBase.h"
#include "Sparc.h"

#include <cstdint>
#include <memory>

class Texture;

class Explosion : public KivBase {
public:
    // count particles (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians
    // (spread 2 pi or more: all round); particle scale. No frame texture:
    // Smoke sets one.
    Explosion(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
              float particleScale);

    // Moves and ages the particles; runs no state machine and no children.
    void tick(double t, double dt) override;
    // The live particles in array order.
    void render() override;

    // Life units lost per second.
    float lifeDecay = 96.0f;
    std::unique_ptr<Sparc[]> particles;
    int32_t particleCount = 0;
    float maxSpeed = 0.0f;
    // The particles' frames by age; not owned (a resource); null draws nothing.
    Texture* frameTexture = nullptr;
    // Frames of frameTexture (its first skins), set with it.
    int32_t frameCount = 0;
};
