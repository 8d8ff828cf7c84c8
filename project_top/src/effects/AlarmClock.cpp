#include "effects/AlarmClock.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "Texture.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float RINGING_SPEED = 6.0f;
constexpr double RING_TIME = 3.0;
constexpr float HOP_HEIGHT = 10.0f;
const V3 SQUASHED(1.25f, 0.8f, 1.0f);
const V3 UNSQUASHED(1.0f, 1.0f, 1.0f);
const UColor SHADOW_COLOUR(0, 0, 0, 64);
}

AlarmClock::AlarmClock()
    : dialTexture(GameSupport::resource<Texture>("alarmClock")),
      dialFrames(GameSupport::frameCount("alarmClock")),
      tickingChannel(GameSupport::resource<Sound>("clockTick"))
{
}

AlarmClock::~AlarmClock()
{
    tickingChannel.stop();
}

void AlarmClock::start(float seconds)
{
    totalTime = seconds;
    remainingTime = seconds;
    setState(STATE_TICKING);
}

void AlarmClock::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    if (state == STATE_IDLE)
        return;
    shakePhase += static_cast<float>(shakeDirection) * shakeSpeed * static_cast<float>(dt);
    if (shakePhase < 0.0f) {
        shakePhase = 0.0f;
        shakeDirection = 1;
    }
    if (shakePhase > 1.0f) {
        shakePhase = 1.0f;
        shakeDirection = -1;
    }
    const float u = shakePhase;
    remainingTime -= dt;
    if (remainingTime < 0.0) {
        remainingTime = 0.0;
        shakeSpeed = RINGING_SPEED;
    }
    // 0 at both ends of the hop, 1 at its top.
    const float h = 4.0f * u * (1.0f - u);
    const V3 hopPosition = home + V3(0.0f, HOP_HEIGHT, 0.0f) * h;
    const V3 rock(0.0f, 0.0f, -0.25f + 0.5f * u);
    const V3 squash = SQUASHED + (UNSQUASHED - SQUASHED) * h;
    setSkinAndTransform(dialFrame(), &hopPosition, &rock, &squash);
}

ViewBox AlarmClock::reachAt(V3 at) const
{
    // However it turns, the squashed dial stays within the circle through
    // its corners.
    const Skin* dial = dialFrame();
    const float radius = std::hypot(dial->width * SQUASHED.x, dial->height) / 2.0f;
    return ViewBox{at.x - radius, at.y - radius, at.x + radius, at.y + HOP_HEIGHT + radius};
}

void AlarmClock::render()
{
    if (state == STATE_IDLE)
        return;
    Renderable shadow;
    shadow.pSkin = pSkin;
    shadow.rotation = rotation;
    shadow.scale = scale;
    shadow.position = V3(position.x, position.y - 4.0f, position.z);
    shadow.color = SHADOW_COLOUR;
    shadow.updateVisuals();
    shadow.render();
    Renderable::render();
}

void AlarmClock::onStateChange()
{
    switch (state) {
    case STATE_TICKING:
        tickingChannel.play();
        setState(STATE_RINGING, totalTime);
        break;
    case STATE_RINGING:
        tickingChannel.stop();
        GameSupport::resource<Sound>("bell")->play();
        setState(STATE_RUNG, RING_TIME);
        break;
    default:
        break;
    }
}

Skin* AlarmClock::dialFrame() const
{
    const int last = std::max(dialFrames - 1, 0);
    // A clock given no time at all has run out from the start.
    if (totalTime <= 0.0)
        return dialTexture->skins[static_cast<size_t>(last)];
    const double shown = std::max(0.0, last * (1.0 - remainingTime / totalTime));
    return dialTexture->skins[static_cast<size_t>(std::min(static_cast<int>(std::floor(shown)), last))];
}
