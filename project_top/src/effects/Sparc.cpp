#include "effects/Sparc.h"

#include "effects/GameSupport.h"

#include <cmath>

namespace {
constexpr double TWO_PI = 6.283185307179586;
}

void Sparc::launch(float x, float y, float z, float speedMin, float speedMax, float direction, float spread)
{
    const double offset = GameSupport::randomFraction() * spread - spread / 2.0;
    bIgnoreEvents = true;
    position = V3(x, y, z);
    rotation.z = static_cast<float>(TWO_PI * GameSupport::randomFraction());
    const float speed = static_cast<float>(speedMin + GameSupport::randomFraction() * (speedMax - speedMin));
    life = speed;
    velocityX = static_cast<float>(speed * std::cos(direction + offset));
    velocityY = static_cast<float>(speed * std::sin(direction + offset));
    if (spread > 0.0f && spread < TWO_PI)
        life = static_cast<float>(life * (1.0 - 0.9 * std::fabs(offset / (spread / 2.0))));
}

V3 Sparc::positionAfter(float dt) const
{
    return V3(position.x + velocityX * dt, position.y + velocityY * dt, position.z);
}
