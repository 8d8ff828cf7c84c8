#include "scenes/SmileyIntro.h"

#include "Kiv.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {

// Pixels the pupils may move up or down; sideways they reach half as far.
constexpr float LOOK_REACH = 6.0f;
// Height of the parts' centre above the ground point, in the squashed frame.
constexpr float CENTRE_HEIGHT = 31.0f;
// A landing slower than this stops the smiley moving sideways.
constexpr float SLOW_BOUNCE = 25.0f;

void playSound(const char* key)
{
    GameSupport::resource<Sound>(key)->play();
}

Renderable* newPart(SmileyIntro* owner)
{
    Renderable* part = new Renderable();
    owner->addChildLast(part);
    return part;
}

} // namespace

SmileyIntro::SmileyIntro()
    : body(newPart(this)), eyes(newPart(this)), pupils(newPart(this)), expression(newPart(this))
{
    spring.mass = 0.0025f;
    spring.friction = 3.0f;
    setState(STATE_EYES_OPEN);
}

void SmileyIntro::tick(double t, double dt)
{
    spring.tick(t, dt);
    if (hopping) {
        velocity.y -= GRAVITY * static_cast<float>(dt);
        if (position.y > 0.0f || velocity.y > 0.0f)
            position += velocity * static_cast<float>(dt);
        if (position.y < 0.0f) {
            spring.position.x += -velocity.y / 20.0f;
            velocity.y = std::fabs(velocity.y);
            if (velocity.y < SLOW_BOUNCE)
                velocity.x = 0.0f;
            playSound("voice10");
            position.y = 0.0f;
        }
    }
    lookBlend = std::clamp(lookBlend + 2.0f * static_cast<float>(dt), 0.0f, 1.0f);
    pupils->position = V3(lookFrom, lookTo, lookBlend, 3);
    const float q = (spring.position.x + 100.0f) / 200.0f;
    const float f = q < 0.0f ? 0.5f : (q > 1.0f ? 1.5f : q + 0.5f);
    scale = V3(f, 1.0f / f, 1.0f);
    // One update for the hop, the pupils and the squash: the parts follow.
    updateVisuals();
    KivBase::tick(t, dt);
}

void SmileyIntro::render()
{
    Renderable::render();
    KivBase::render();
}

void SmileyIntro::applyXform(Matrix& matrix)
{
    Renderable::applyXform(matrix);
    matrix.translate(0.0f, CENTRE_HEIGHT, 0.0f);
}

void SmileyIntro::updateVisuals()
{
    Renderable::updateVisuals();
    for (BasicLink* link = pFirstChild; link; link = link->pNext)
        if (!link->bDead)
            static_cast<Renderable*>(link)->setPostXform(xform);
}

void SmileyIntro::onStateChange()
{
    if (state == STATE_EYES_OPEN) {
        pupils->bHidden = false;
        showOnEyes(eyesOpenSkin);
        setState(STATE_BLINK, 1.0 + 2.0 * GameSupport::randomFraction());
    } else if (state == STATE_BLINK) {
        pupils->bHidden = true;
        if (eyesClosedSkin)
            showOnEyes(eyesClosedSkin);
        setState(STATE_EYES_OPEN, 0.1);
    }
}

void SmileyIntro::look(float angle, float amount)
{
    lookFrom = lookTo;
    lookBlend = 0.0f;
    lookTo = V3(std::cos(angle) * 0.5f * LOOK_REACH * amount, std::sin(angle) * LOOK_REACH * amount, 0.0f);
}

void SmileyIntro::hop(float vx, float vy, float vz)
{
    velocity = V3(vx, vy, vz);
    spring.position.x = vy / 20.0f;
    playSound("voice9");
}

void SmileyIntro::showOnEyes(Skin* skin)
{
    if (eyes->pSkin == skin)
        return;
    eyes->pSkin = skin;
    eyes->updateVisuals();
}
