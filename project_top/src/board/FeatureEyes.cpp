#include "board/FeatureEyes.h"

#include "board/TextureFrames.h"
#include "effects/GameSupport.h"

namespace {

enum EyesState { STATE_OPEN = 1, STATE_CLOSED = 2 };

const double FIRST_OPEN_DELAY = 1.0;
const float LEAST_OPEN_TIME = 1.0f;
const float EXTRA_OPEN_TIME = 19.0f;
const double BLINK_TIME = 0.1;

}

FeatureEyes::FeatureEyes(int variants) : Feature(variants)
{
    const TextureFrames eyes("eyes");
    const TextureFrames outlines("eyesGlow");
    const TextureFrames blink("eyesBlink");
    for (int i = 0; i < variantCount; ++i) {
        skins[i] = eyes.frame(i);
        glowSkins[i] = outlines.frame(i);
        blinkSkins[i] = blink.frame(i);
    }
    setState(STATE_OPEN, FIRST_OPEN_DELAY);
}

void FeatureEyes::onStateChange()
{
    if (state == STATE_OPEN) {
        setSkinAndTransform(skins[frame], nullptr, nullptr, nullptr);
        setState(STATE_CLOSED, LEAST_OPEN_TIME + EXTRA_OPEN_TIME * static_cast<float>(GameSupport::randomFraction()));
    } else if (state == STATE_CLOSED) {
        setSkinAndTransform(blinkSkins[frame], nullptr, nullptr, nullptr);
        setState(STATE_OPEN, BLINK_TIME);
    }
}
