#include "Smoke.h"

Smoke::Smoke(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
             float particleScale, UColor)
    : Explosion(x, y, z, count, speedMin, speedMax, direction, spread, particleScale)
{
}
