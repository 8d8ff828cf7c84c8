#include "effects/StarBurst.h"

#include "Global.h"
#include "Skin.h"
#include "effects/GameSupport.h"

#include <algorithm>

StarBurst::StarBurst(float x, float y, float z, int count, float speedMin, float speedMax, float direction,
                     float spread, float particleScale)
    : ParticleBurst(x, y, z, count, speedMin, speedMax, direction, spread, 96.0f,
                    [star = GameSupport::resource<Skin>("star:1"), particleScale](Sparc& particle) {
                        particle.pSkin = star;
                        particle.color = randomBrightColor();
                        particle.scale = V3(particleScale, particleScale, 1.0f);
                    })
{
}

void StarBurst::stepParticle(Sparc& particle, const V3& moved, float)
{
    // 0 when launched at full speed, towards 1 as the life runs out.
    const float age = (maxSpeed - particle.life) / (maxSpeed + 1.0f);
    const V3 size(1.0f - age, 1.0f - age, 1.0f);
    particle.color.a = static_cast<uint8_t>(std::clamp(static_cast<int>(255.0f - 255.0f * age * age), 0, 255));
    particle.setSkinAndTransform(nullptr, &moved, nullptr, &size);
}
