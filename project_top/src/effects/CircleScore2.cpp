#include "effects/CircleScore2.h"

#include "effects/CircleScore.h"
#include "effects/GameSupport.h"

namespace {
constexpr double FADE_IN_TIME = 0.5;
constexpr double FADE_OUT_TIME = 1.0;
}

CircleScore2::CircleScore2(int multiplier) : value(multiplier)
{
    setState(GameSupport::highDetail() ? 1 : 2);
}

void CircleScore2::addCircularText(const std::string& text, UColor colour, float radius, float centreAngle,
                                   int direction)
{
    CircleScore::layTextOnCircle(this, text, colour, radius, centreAngle, direction);
}

void CircleScore2::fadeOut()
{
    setState(3);
}

void CircleScore2::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    spinAngle += static_cast<float>(dt);
    rotation.z = spinAngle;
    float alpha = 255.0f;
    if (state == 1) {
        const float u = static_cast<float>(2.0 * timeInState);
        alpha = u < 0.0f ? 0.0f : (u <= 1.0f ? 255.0f * u * u : 255.0f);
    } else if (state == 3) {
        const float g = CircleScore::fadeProgress(timeInState);
        alpha = 255.0f - 255.0f * g;
        scale = V3(1.0f + g, 1.0f + g, scale.z);
    }
    updateVisuals();
    CircleScore::shareTransform(this, static_cast<int>(alpha));
}

void CircleScore2::render()
{
    if (state != 0)
        KivBase::render();
}

void CircleScore2::onStateChange()
{
    switch (state) {
    case 1:
        setState(2, FADE_IN_TIME);
        break;
    case 3:
        if (GameSupport::highDetail())
            setState(4, FADE_OUT_TIME);
        else
            bDead = 1;
        break;
    case 4:
        bDead = 1;
        break;
    default:
        break;
    }
}
