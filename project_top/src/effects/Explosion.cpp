#include "effects/Explosion.h"

#include "Texture.h"

#include <algorithm>
#include <cmath>

Explosion::Explosion(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                     float spread, float particleScale)
    : ParticleBurst(x, y, z, count, speedMin, speedMax, direction, spread, 96.0f,
                    [particleScale](Sparc& particle) { particle.scale = V3(particleScale, particleScale, 1.0f); })
{
}

void Explosion::stepParticle(Sparc& particle, const V3& moved, float)
{
    Skin* frame = nullptr;
    if (frameTexture && frameCount > 0) {
        const float age = std::max(0.0f, (maxSpeed - particle.life) / (maxSpeed + 1.0f));
        const int index = static_cast<int>(std::floor(static_cast<float>(frameCount) * age));
        frame = frameTexture->skins[static_cast<size_t>(std::clamp(index, 0, frameCount - 1))];
    }
    particle.setSkinAndTransform(frame, &moved, nullptr, nullptr);
}
