#include "effects/Blob.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/GameStage.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double TWO_PI = 6.283185307179586;
// Size of the drop when it reaches the thermometer.
constexpr float ARRIVAL_SIZE = 0.18f;
}

Blob::Blob(GameStage& owner, float x0, float y0, float z0, float x1, float y1, float z1, double flightTime,
           float thermometerGain)
    : rate(static_cast<float>(1.0 / flightTime)), amount(thermometerGain),
      wobblePhase(static_cast<float>(TWO_PI * GameSupport::randomFraction())), startPoint(x0, y0, z0),
      endPoint(x1, y1, z1), stage(owner)
{
    // The same size on screen however far the scene camera stands.
    const float depthScale = stage.sceneDepthScale();
    baseScale = static_cast<float>(0.5 + 0.5 * GameSupport::randomFraction()) / depthScale;
    const double pushAngle = TWO_PI * GameSupport::randomFraction();
    const double pushLength = 128.0 + 256.0 * GameSupport::randomFraction();
    startPush = V3(static_cast<float>(pushLength * std::cos(pushAngle)),
                   static_cast<float>(pushLength * std::sin(pushAngle)), 0.0f);
    pSkin = GameSupport::resource<Skin>("blob:0");
}

void Blob::tick(double t, double dt)
{
    progress = std::min(1.0f, progress + rate * static_cast<float>(dt));
    position = V3(startPoint.x, startPoint.y, startPoint.z, startPush.x, startPush.y, startPush.z, endPoint.x,
                  endPoint.y, endPoint.z, 0.0f, 0.0f, 0.0f, progress);
    const float size = baseScale + (ARRIVAL_SIZE - baseScale) * progress;
    // The wobble calms down by two thirds of the way.
    const float amplitude = 0.25f * (1.0f - std::min(1.5f * progress, 1.0f));
    const float w = 1.0f + amplitude * static_cast<float>(std::sin(wobblePhase + 16.0 * t));
    scale = V3(size * w, size / w, 1.0f);
    updateVisuals();
    if (progress < 1.0f)
        return;
    const float level = stage.fillThermometer(amount);
    bDead = 1;
    // The bubbles rise in pitch as the thermometer fills.
    GameSupport::resource<Sound>("bubble")->playAtFrequency(level * 3.0f + 1.0f);
}
