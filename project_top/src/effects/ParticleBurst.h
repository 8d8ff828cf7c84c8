#pragma once
// ParticleBurst: what every burst of particles shares (Explosion and its
// Smoke, Firework, StarBurst): the particles set off from one point in a
// cone, moved and aged each update by the burst's own step, drawn while
// alive; the burst marks itself dead in the first update that finds no
// particle alive, and its parent deletes it. The creator appends a burst to
// a layer of the scene, which ticks and draws it. Main thread only.
#include "KivBase.h"
#include "effects/Sparc.h"

#include <cstdint>
#include <functional>
#include <memory>

class ParticleBurst : public KivBase {
public:
    // Updates run no state machine and no children.
    void tick(double t, double dt) override;
    // The live particles in array order.
    void render() override;

    // Life units lost per second.
    float lifeDecay;
    std::unique_ptr<Sparc[]> particles;
    int32_t particleCount;
    float maxSpeed;

protected:
    // count particles (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians
    // (spread 2 pi or more: all round). setUp gives each particle its
    // class's looks right after its launch, so that the random draws of the
    // two stay interleaved particle by particle.
    ParticleBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                  float spread, float decay, const std::function<void(Sparc&)>& setUp);

    // The class's step for a live particle: moved is where its velocity took
    // it this update (seconds step); it sets the particle's position there.
    virtual void stepParticle(Sparc& particle, const V3& moved, float step) = 0;
};
