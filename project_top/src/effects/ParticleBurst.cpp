#include "effects/ParticleBurst.h"

#include <algorithm>

ParticleBurst::ParticleBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                             float spread, float decay, const std::function<void(Sparc&)>& setUp)
    : lifeDecay(decay), particles(std::make_unique<Sparc[]>(static_cast<size_t>(std::max(count, 0)))),
      particleCount(std::max(count, 0)), maxSpeed(speedMax)
{
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        particle.launch(x, y, z, speedMin, speedMax, direction, spread);
        setUp(particle);
        particle.updateVisuals();
    }
}

void ParticleBurst::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    bool anyAlive = false;
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        if (particle.life <= 0.0f)
            continue;
        anyAlive = true;
        stepParticle(particle, particle.positionAfter(step), step);
        particle.life -= lifeDecay * step;
    }
    if (!anyAlive)
        bDead = 1;
}

void ParticleBurst::render()
{
    for (int32_t i = 0; i < particleCount; ++i)
        if (particles[i].life > 0.0f)
            particles[i].render();
}
