#include "effects/Firework.h"

#include "Texture.h"
#include "effects/GameSupport.h"

namespace {
// Units per second squared pulling the sparks down.
constexpr float FALL = 128.0f;
// The scale every spark shrinks towards as its life runs out.
constexpr float SMALLEST = 0.1f;
}

Firework::Firework(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                   float spread, float sparkScale, UColor colour)
    : ParticleBurst(x, y, z, count, speedMin, speedMax, direction, spread, 128.0f,
                    [colour](Sparc& spark) { spark.color = colour; }),
      particleScale(sparkScale), flareTexture(GameSupport::resource<Texture>("flare"))
{
}

void Firework::stepParticle(Sparc& spark, const V3& moved, float step)
{
    spark.velocityY -= FALL * step;
    const float s = spark.life / (maxSpeed + 1.0f) * (particleScale - SMALLEST) + SMALLEST;
    const V3 size(s, s, 1.0f);
    spark.setSkinAndTransform(flareTexture->skins.front(), &moved, nullptr, &size);
}
