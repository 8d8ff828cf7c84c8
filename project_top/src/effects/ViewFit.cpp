#include "effects/ViewFit.h"

namespace {
float along(float low, float high, float viewLow, float viewHigh)
{
    if (low < viewLow)
        return viewLow - low;
    return high > viewHigh ? viewHigh - high : 0.0f;
}
}

V3 ViewFit::shiftInside(const Camera::VisibleRect& view, float left, float bottom, float right, float top)
{
    return V3(along(left, right, view.left, view.right), along(bottom, top, view.bottom, view.top), 0.0f);
}
