#include "Explosion.h"

#include "Texture.h"

#include <algorithm>
#include <cmath>

Explosion::Explosion(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                     float spread, float particleScale)
    : particles(std::make_unique<Sparc[]>(static_cast<size_t>(std::max(count, 0)))),
      particleCount(std::max(count, 0)), maxSpeed(speedMax)
{
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        particle.launch(x, y, z, speedMin, speedMax, direction, spread);
        particle.scale = V3(particleScale, particleScale, 1.0f);
        particle.updateVisuals();
    }
}

void Explosion::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    bool anyAlive = false;
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        if (particle.life <= 0.0f)
            continue;
        anyAlive = true;
        const V3 moved = particle.positionAfter(step);
        Skin* frame = nullptr;
        if (frameTexture && frameCount > 0) {
            // Older particles (less life left) show later frames.
            const float age = std::max(0.0f, (maxSpeed - particle.life) / (maxSpeed + 1.0f));
            const int index = static_cast<int>(std::floor(static_cast<float>(frameCount) * age));
            frame = frameTexture->skins[static_cast<size_t>(std::clamp(index, 0, frameCount - 1))];
        }
        particle.setSkinAndTransform(frame, &moved, nullptr, nullptr);
        particle.life -= lifeDecay * step;
    }
    if (!anyAlive)
        bDead = 1;
}

void Explosion::render()
{
    for (int32_t i = 0; i < particleCount; ++i)
        if (particles[i].life > 0.0f)
            particles[i].render();
}
