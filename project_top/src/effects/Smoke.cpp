#include "effects/Smoke.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Texture.h"
#include "effects/GameSupport.h"

Smoke::Smoke(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
             float particleScale, UColor colour)
    : Explosion(x, y, z, count, speedMin, speedMax, direction, spread, particleScale)
{
    frameTexture = GameSupport::resource<Texture>("smoke");
    frameCount = GameSupport::frameCount("smoke");
    for (int32_t i = 0; i < particleCount; ++i)
        particles[i].color = colour;
}
