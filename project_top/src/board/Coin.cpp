#include "board/Coin.h"

#include "Camera.h"
#include "ContextBlender.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivInput.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "Texture.h"
#include "board/BoardHost.h"
#include "board/TextureFrames.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {

const float GRAVITY = 1024.0f;
const float BOUNCE = 0.5f;
const int CLICK_BONUS = 5;
const double FLIGHT_TIME = 1.0;
// Spin cycles per second.
const double FALLING_SPIN = 1.0;
const double FLYING_SPIN = 3.0;
const int EASE_OUT = 2;

Sound* findSound(const char* key)
{
    return GameSupport::resource<Sound>(key);
}

}

Coin::Coin(BoardHost& game, float x, float y, float z, int kind) : start(x, y, z), host(game)
{
    KIV_ASSERT(kind == 1 || kind == 2);
    const TextureFrames frames("coin");
    // A coin needs at least one frame to show.
    frames.frame(0);
    texture = frames.texture;
    frameCount = frames.count;
    phase = static_cast<float>(GameSupport::randomFraction());
    const Camera::VisibleRect view = host.sceneView();
    target = V3(view.left, view.top - 50.0f, 0.0f);
    // Just above the view, 64 to 128 units over its top edge.
    position = V3(x, view.top + 64.0f + 64.0f * static_cast<float>(GameSupport::randomFraction()), 0.0f);
    if (kind == 1) {
        scale.x = 0.8f;
        scale.y = 0.8f;
        value = 10;
    } else {
        value = 25;
        color = UColor(250, 209, 86, 255);
    }
    setState(STATE_FALLING);
}

void Coin::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    if (state == STATE_FALLING && pKiv->pInput->isMouseButtonPressed() && pKiv->pCurrentContext &&
        isPointInsideBounds(V3(pKiv->pCurrentContext->mouseX, pKiv->pCurrentContext->mouseY,
                               pKiv->pCurrentContext->mouseZ))) {
        value += CLICK_BONUS;
        collect();
    }
    const float step = static_cast<float>(dt);
    if (state == STATE_FALLING) {
        velocity += V3(0.0f, -GRAVITY, 0.0f) * step;
        float y = position.y + velocity.y * step;
        if (y < start.y) {
            y = start.y;
            if (!bounced) {
                velocity.y = std::fabs(velocity.y) * BOUNCE;
                findSound("coinBounce")->play();
                bounced = true;
            } else {
                collect();
            }
        }
        position = V3(position.x + velocity.x * step, y, position.z + velocity.z * step);
        updateVisuals();
    } else if (state == STATE_FLYING) {
        position = V3(start, target, static_cast<float>(timeInState), EASE_OUT);
        updateVisuals();
        if (timeInState > FLIGHT_TIME)
            bDead = 1;
    }

    phase = static_cast<float>(phase + dt * (state == STATE_FLYING ? FLYING_SPIN : FALLING_SPIN));
    if (phase >= 1.0f)
        phase -= 1.0f;
    // The last frame repeats the first, so the cycle leaves it out.
    Skin* const shown = texture->skins[static_cast<int>(phase * static_cast<float>(frameCount - 1))];
    if (shown != pSkin) {
        pSkin = shown;
        updateVisuals();
    }
}

void Coin::collect()
{
    start = position;
    host.collectCoins(value);
    findSound("coinBounceEnd")->playAtFrequency(static_cast<float>(value) / 5.0f * 0.39999998f + 1.0f);
    setState(STATE_FLYING);
}
