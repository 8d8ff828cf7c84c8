#include "effects/CircleCloud.h"

#include "BasicLinkIterator.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/CircleCloudElement.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {
constexpr float PI = 3.14159265358979f;
// The ring runs one full turn, from straight down round to straight down.
constexpr float RING_START = -PI / 2.0f;
constexpr float RING_END = 3.0f * PI / 2.0f;
// Arc length (units) below which a gap is too short for a puff of its own.
constexpr float SHORTEST_GAP = 64.0f;
const UColor CLOUD_COLOUR(255, 223, 191, 255);
}

CircleCloud::CircleCloud(float scaleFactor) : cloudScale(scaleFactor)
{
    pSkin = GameSupport::resource<Skin>("circle:0");
    color = CLOUD_COLOUR;
    const float radius = ringRadius;
    float angle = RING_START;
    bool bLast = false;
    while (!bLast) {
        float halfSize = 32.0f + 16.0f * static_cast<float>(GameSupport::randomFraction());
        float span = 2.0f * halfSize;
        const float end = angle + span / radius;
        if (end > RING_END) {
            // The last puff closes the ring exactly.
            bLast = true;
            halfSize = (RING_END - angle) * radius / 2.0f;
            span = 2.0f * halfSize;
        } else if (RING_END - end < SHORTEST_GAP / radius) {
            halfSize = (RING_END - angle) * radius / 4.0f;
            span = 2.0f * halfSize;
        }
        addChildLast(new CircleCloudElement(halfSize, angle + span / (2.0f * radius), radius));
        angle += span / radius;
    }
}

void CircleCloud::tick(double t, double dt)
{
    const float breath = 1.0f + 0.03f * static_cast<float>(std::sin(t));
    scale = V3(breath * cloudScale, cloudScale / breath, 1.0f);
    rotation.z += static_cast<float>(dt / 32.0);
    updateVisuals();
    BasicLinkIterator it(this);
    while (KivBase* child = it.next())
        static_cast<Renderable*>(child)->setPostXform(xform);
    KivBase::tick(t, dt);
}

void CircleCloud::render()
{
    KivBase::render();
    Renderable::render();
}
