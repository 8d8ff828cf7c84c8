#include "scenes/Butterfly.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Texture.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI = 3.14159265f;
// Path fraction per second: one segment every 2 s.
constexpr float FLIGHT_SPEED = 0.5f;

struct PathPoint {
    V3 point;
    V3 tangent;
};

// From the intro's flower (point 0) up to the right, back over the flower
// and on to a rest high up on the right.
const PathPoint INTRO_PATH[] = {
    {V3(678.0f, 40.0f, 0.0f), V3(0.0f, 10.0f, 0.0f)},
    {V3(840.0f, 150.0f, 0.0f), V3(-50.0f, -150.0f, 0.0f)},
    {V3(640.0f, 320.0f, 0.0f), V3(-50.0f, -150.0f, 0.0f)},
    {V3(960.0f, 400.0f, 0.0f), V3(75.0f, 75.0f, 0.0f)},
    {V3(1040.0f, 500.0f, 0.0f), V3(0.0f, -10.0f, 0.0f)},
};

float randomFraction()
{
    return static_cast<float>(GameSupport::randomFraction());
}

} // namespace

Butterfly::Butterfly(int preset)
    : frames(GameSupport::resource<Texture>("butterfly")), frameCount(GameSupport::frameCount("butterfly"))
{
    if (frameCount < 1)
        KIV_ERROR("Texture 'butterfly' has no frames.");
    if (preset != PRESET_INTRO)
        KIV_ERROR("There is no butterfly path %d.", preset);
    for (const PathPoint& p : INTRO_PATH) {
        points[pointCount] = p.point;
        tangents[pointCount] = p.tangent;
        ++pointCount;
    }
    color = UColor(255, 255, 0, 255);
    // Out of sight until the first update puts it on its path.
    position = V3(-1000.0f, 0.0f, 0.0f);
    setState(STATE_RESTING);
}

void Butterfly::tick(double, double frameDt)
{
    const float dt = static_cast<float>(frameDt);
    V3 base = points[current];
    if (state == STATE_FLYING) {
        progress += FLIGHT_SPEED * dt;
        if (progress > 1.0f) {
            current += direction;
            if ((direction > 0 && current >= pointCount - 1) || (direction < 0 && current < 1)) {
                base = points[current];
                progress = 0.0f;
                setState(STATE_RESTING);
            } else {
                progress -= 1.0f;
            }
        }
        if (state == STATE_FLYING) {
            const V3& from = points[current];
            const V3& to = points[current + direction];
            const V3 fromTangent = tangents[current] * static_cast<float>(direction);
            const V3 toTangent = tangents[current + direction] * static_cast<float>(direction);
            base = V3(from.x, from.y, from.z, fromTangent.x, fromTangent.y, fromTangent.z, to.x, to.y, to.z,
                      toTangent.x, toTangent.y, toTangent.z, progress);
        }
    }
    const bool flying = state == STATE_FLYING;

    if (flap == 0.0f && flutterOffset.y < 0.0f)
        flapTarget = flying ? 0.5f + 0.5f * randomFraction() : 0.25f + 0.25f * randomFraction();
    if (flapTarget <= flap) {
        flapTarget = 0.0f;
        flap -= 8.0f * dt;
    } else {
        flutterVelocity.y += 512.0f * dt;
        flap += 4.0f * dt;
    }
    flap = std::clamp(flap, 0.0f, 1.0f);
    flutterVelocity.y -= (flying ? 256.0f : 64.0f) * dt;
    flutterOffset += flutterVelocity * dt;

    const float previousX = position.x;
    if (flying)
        position = base + (isLastSegment() ? V3(flutterOffset, V3(), progress, 0) : flutterOffset);
    else
        position = base;
    // The image faces left; a flight to the right mirrors it.
    if (base.x > previousX)
        rotation = V3(0.0f, PI, 0.0f);
    else if (base.x < previousX)
        rotation = V3(0.0f, 0.0f, 0.0f);
    const int frame = static_cast<int>(std::floor(flap * static_cast<float>(frameCount - 1)));
    pSkin = frames->skins[static_cast<size_t>(frame)];
    updateVisuals();
}

void Butterfly::flyAway()
{
    const int32_t turned = -direction;
    const int32_t next = current + turned;
    if (next < 0 || next >= pointCount)
        return;
    direction = turned;
    progress = 0.0f;
    flutterVelocity = V3();
    flutterOffset = V3();
    setState(STATE_FLYING);
}

bool Butterfly::isLastSegment() const
{
    const int32_t next = current + direction;
    return (direction > 0 && next >= pointCount - 1) || (direction < 0 && next < 1);
}
