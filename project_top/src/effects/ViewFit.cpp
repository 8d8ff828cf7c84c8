#include "effects/ViewFit.h"

namespace {
float along(float low, float high, float viewLow, float viewHigh)
{
    if (low < viewLow)
        return viewLow - low;
    return high > viewHigh ? viewHigh - high : 0.0f;
}
}

V3 ViewFit::shiftInside(const ViewBox& box, const ViewBox& view)
{
    return V3(along(box.left, box.right, view.left, view.right), along(box.bottom, box.top, view.bottom, view.top),
              0.0f);
}
