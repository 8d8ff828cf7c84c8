#include "effects/CircleScore2.h"

#include "effects/CircleScore.h"
#include "effects/GameSupport.h"

namespace {
constexpr double FADE_IN_TIME = 0.5;
constexpr double FADE_OUT_TIME = 1.0;
}

CircleScore2::CircleScore2(int multiplier) : value(multiplier)
{
    setState(GameSupport::highDetail() ? STATE_APPEARING : STATE_SHOWN);
}

void CircleScore2::addCircularText(const std::string& text, UColor colour, float radius, float centreAngle,
                                   int direction)
{
    CircleScore::layTextOnCircle(this, text, colour, radius, centreAngle, direction);
}

void CircleScore2::fadeOut()
{
    setState(STATE_FADING);
}

void CircleScore2::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    spinAngle += static_cast<float>(dt);
    rotation.z = spinAngle;
    float alpha = 255.0f;
    if (state == STATE_APPEARING) {
        const float u = static_cast<float>(2.0 * timeInState);
        alpha = u < 0.0f ? 0.0f : (u <= 1.0f ? 255.0f * u * u : 255.0f);
    } else if (state == STATE_FADING) {
        const float g = CircleScore::fadeProgress(timeInState);
        alpha = 255.0f - 255.0f * g;
        scale = V3(1.0f + g, 1.0f + g, scale.z);
    }
    updateVisuals();
    CircleScore::shareTransform(this, static_cast<int>(alpha));
}

void CircleScore2::render()
{
    if (state != STATE_WAITING)
        KivBase::render();
}

void CircleScore2::onStateChange()
{
    switch (state) {
    case STATE_APPEARING:
        setState(STATE_SHOWN, FADE_IN_TIME);
        break;
    case STATE_FADING:
        if (GameSupport::highDetail())
            setState(STATE_GONE, FADE_OUT_TIME);
        else
            bDead = 1;
        break;
    case STATE_GONE:
        bDead = 1;
        break;
    default:
        break;
    }
}
