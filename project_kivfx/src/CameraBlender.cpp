#include "CameraBlender.h"

#include "BasicLink.h"
#include "CameraBlenderFactor.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float GROUND_EDGE = -4.0f;
} // namespace

CameraBlender::CameraBlender() : restPosition(position)
{
}

void CameraBlender::jumpTo(float x, float y, float z, bool clampToGround)
{
    restPosition = position = V3(x, y, z);
    lookAtPoint.x = x;
    lookAtPoint.y = y;
    if (clampToGround) {
        float bottom = getVisibleRect(0.0f).bottom;
        if (bottom < GROUND_EDGE) {
            float raise = GROUND_EDGE - bottom;
            restPosition.y += raise;
            position.y += raise;
            lookAtPoint.y += raise;
        }
    }
    deleteAllChildren();
}

void CameraBlender::lateUpdate(double t, double dt)
{
    V3 acc = restPosition;
    CameraBlenderFactor* previous = nullptr;
    BasicLink* node = pFirstChild;
    while (node) {
        BasicLink* next = node->pNext;
        if (node->bDead || node->bDetached) {
            node = next;
            continue;
        }
        auto* child = static_cast<CameraBlenderFactor*>(node);
        if (child->delay > 0.0) {
            child->delay -= dt;
        } else {
            child->tick(t, dt);
            acc = V3(acc, child->position, child->factor, child->curve);
            if (previous && child->factor >= 1.0f) {
                removeChild(previous);
                previous->deleteMe();
            }
        }
        previous = child;
        node = next;
    }
    position = acc;
    lookAtPoint.x = acc.x;
    lookAtPoint.y = acc.y;
    if (shakeDuration > shakeElapsed) {
        shakeElapsed = std::clamp(shakeElapsed + dt, 0.0, shakeDuration);
        roll = static_cast<float>((shakeDuration - shakeElapsed) * shakeAmplitude * std::cos(shakeElapsed * 32.0));
    }
    eye = position;
    centre = lookAtPoint;
}
