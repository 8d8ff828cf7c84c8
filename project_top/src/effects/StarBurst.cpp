#include "StarBurst.h"

#include "Global.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <algorithm>

StarBurst::StarBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                     float spread, float particleScale)
    : particles(std::make_unique<Sparc[]>(static_cast<size_t>(std::max(count, 0)))),
      particleCount(std::max(count, 0)), maxSpeed(speedMax)
{
    Skin* star = pKiv->pResourceManager->findAs<Skin>("star:1");
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        particle.launch(x, y, z, speedMin, speedMax, direction, spread);
        particle.pSkin = star;
        particle.color = randomBrightColor();
        particle.scale = V3(particleScale, particleScale, 1.0f);
        particle.updateVisuals();
    }
}

void StarBurst::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    bool anyAlive = false;
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& particle = particles[i];
        if (particle.life <= 0.0f)
            continue;
        anyAlive = true;
        const V3 moved = particle.positionAfter(step);
        // 0 when launched at full speed, towards 1 as the life runs out.
        const float age = (maxSpeed - particle.life) / (maxSpeed + 1.0f);
        const V3 size(1.0f - age, 1.0f - age, 1.0f);
        particle.color.a = static_cast<uint8_t>(std::clamp(static_cast<int>(255.0f - 255.0f * age * age), 0, 255));
        particle.setSkinAndTransform(nullptr, &moved, nullptr, &size);
        particle.life -= lifeDecay * step;
    }
    if (!anyAlive)
        bDead = 1;
}

void StarBurst::render()
{
    for (int32_t i = 0; i < particleCount; ++i)
        if (particles[i].life > 0.0f)
            particles[i].render();
}
