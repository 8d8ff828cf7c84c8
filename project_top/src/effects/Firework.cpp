#include "Firework.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Texture.h"

#include <algorithm>

namespace {
// Units per second squared pulling the sparks down.
constexpr float FALL = 128.0f;
// The scale every spark shrinks towards as its life runs out.
constexpr float SMALLEST = 0.1f;
}

Firework::Firework(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                   float spread, float sparkScale, UColor colour)
    : particles(std::make_unique<Sparc[]>(static_cast<size_t>(std::max(count, 0)))),
      particleCount(std::max(count, 0)), maxSpeed(speedMax), particleScale(sparkScale),
      flareTexture(pKiv->pResourceManager->findAs<Texture>("flare"))
{
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& spark = particles[i];
        spark.launch(x, y, z, speedMin, speedMax, direction, spread);
        spark.color = colour;
        spark.updateVisuals();
    }
}

void Firework::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    bool anyAlive = false;
    for (int32_t i = 0; i < particleCount; ++i) {
        Sparc& spark = particles[i];
        if (spark.life <= 0.0f)
            continue;
        anyAlive = true;
        const V3 moved = spark.positionAfter(step);
        spark.velocityY -= FALL * step;
        const float s = spark.life / (maxSpeed + 1.0f) * (particleScale - SMALLEST) + SMALLEST;
        const V3 size(s, s, 1.0f);
        spark.setSkinAndTransform(flareTexture->skins.front(), &moved, nullptr, &size);
        spark.life -= lifeDecay * step;
    }
    if (!anyAlive)
        bDead = 1;
}

void Firework::render()
{
    for (int32_t i = 0; i < particleCount; ++i)
        if (particles[i].life > 0.0f)
            particles[i].render();
}
