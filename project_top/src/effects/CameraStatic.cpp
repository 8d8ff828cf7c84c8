#include "effects/CameraStatic.h"

namespace {
// The lowest the bottom edge of the view at depth 0 may lie: the ground line.
constexpr float GROUND_EDGE = -4.0f;
}

CameraStatic::CameraStatic(float x, float y, float z, bool clampToGround)
{
    position = V3(x, y, z);
    lookAtPoint.x = x;
    lookAtPoint.y = y;
    if (!clampToGround)
        return;
    const float bottom = getVisibleRect(0.0f).bottom;
    if (bottom < GROUND_EDGE) {
        position.y += GROUND_EDGE - bottom;
        lookAtPoint.y += GROUND_EDGE - bottom;
    }
}
