#pragma once
// ViewBox: an upright rectangle, y upwards. Captions are judged with boxes
// in view units (from the view's left and bottom edges, as Camera's
// world2screen gives them); a layer measures its pieces with boxes in its
// own units. A plain value.
#include "Camera.h"
#include "Skin.h"
#include "V3.h"

#include <algorithm>

struct ViewBox {
    float left = 0.0f, bottom = 0.0f, right = 0.0f, top = 0.0f;

    // What the skin covers drawn unrotated and unscaled with its anchor at
    // the point.
    static ViewBox ofSkin(const Skin& skin, V3 at)
    {
        const float left = at.x - skin.width / 2.0f - skin.origin.x;
        const float bottom = at.y - skin.height / 2.0f - skin.origin.y;
        return ViewBox{left, bottom, left + skin.width, bottom + skin.height};
    }
    static ViewBox ofRect(const Camera::VisibleRect& rect)
    {
        return ViewBox{rect.left, rect.bottom, rect.right, rect.top};
    }
    // This box, measured around a text's or a sprite's origin, where that
    // origin stands at the point and is drawn at the scale.
    ViewBox placedAt(V3 at, V3 scale) const
    {
        return ViewBox{at.x + left * scale.x, at.y + bottom * scale.y, at.x + right * scale.x, at.y + top * scale.y};
    }
    ViewBox unitedWith(const ViewBox& other) const
    {
        return ViewBox{std::min(left, other.left), std::min(bottom, other.bottom), std::max(right, other.right),
                       std::max(top, other.top)};
    }
    ViewBox grownBy(float margin) const
    {
        return ViewBox{left - margin, bottom - margin, right + margin, top + margin};
    }
    ViewBox movedBy(float dx, float dy) const { return ViewBox{left + dx, bottom + dy, right + dx, top + dy}; }
    // This box, in the units of the camera's world at depth z, as the camera
    // shows it: in view units.
    ViewBox seenBy(const Camera& camera, float z) const
    {
        const V3 low = camera.world2screen(left, bottom, z);
        const V3 high = camera.world2screen(right, top, z);
        return ViewBox{low.x, low.y, high.x, high.y};
    }
    // Boxes that only touch, or overlap by less than slack, do not meet.
    bool meets(const ViewBox& other, float slack) const
    {
        return left < other.right - slack && other.left < right - slack && bottom < other.top - slack &&
               other.bottom < top - slack;
    }
    bool insideOf(const ViewBox& outer, float slack) const
    {
        return left >= outer.left - slack && bottom >= outer.bottom - slack && right <= outer.right + slack &&
               top <= outer.top + slack;
    }
};
