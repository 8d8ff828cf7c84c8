#include "effects/CircleCloudElement.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {
constexpr double TWO_PI = 6.283185307179586;
// The circle skin's size in units at scale 1.
constexpr float CIRCLE_SIZE = 102.0f;
const UColor PUFF_COLOUR(255, 223, 191, 255);
const UColor RIM_COLOUR(217, 190, 163, 255);
}

CircleCloudElement::CircleCloudElement(float size, float puffAngle, float radius)
    : phase(static_cast<float>(TWO_PI * GameSupport::randomFraction())),
      bobSpeed(static_cast<float>(1.0 + GameSupport::randomFraction())), angle(puffAngle), ringRadius(radius)
{
    bIgnoreEvents = true;
    Skin* circle = GameSupport::resource<Skin>("circle:0");
    pSkin = circle;
    color = PUFF_COLOUR;
    const float puffScale = (size - 4.0f) / CIRCLE_SIZE;
    scale = V3(puffScale, puffScale, 1.0f);
    rim.pSkin = circle;
    rim.color = RIM_COLOUR;
    const float rimScale = size / CIRCLE_SIZE;
    rim.scale = V3(rimScale, rimScale, 1.0f);
}

void CircleCloudElement::tick(double t, double)
{
    const float r = ringRadius * (1.0f + 0.05f * static_cast<float>(std::sin(phase + bobSpeed * t)));
    position = V3(r * std::cos(angle), r * std::sin(angle), 0.0f);
    updateVisuals();
    if (GameSupport::highDetail()) {
        rim.position = position;
        rim.setPostXform(postXform);
    }
}

void CircleCloudElement::render()
{
    if (GameSupport::highDetail())
        rim.render();
    Renderable::render();
}
