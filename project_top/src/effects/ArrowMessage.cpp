#include "effects/ArrowMessage.h"

#include "Camera.h"
#include "Context.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/CaptionPlacement.h"
#include "effects/GameSupport.h"
#include "effects/TextInk.h"

#include <algorithm>
#include <cmath>

namespace {
const UColor SHADOW_COLOUR(0, 0, 0, 64);
// The caption is centred on the message's position.
constexpr int CAPTION_PRINT = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y;
// How far the arrow swings to either side of its place, units.
constexpr float SWING = 8.0f;
// The share of an axis in the way the arrow points below which it does not
// point along that axis (a quarter turn in floats leaves a trace).
constexpr float POINTS_ALONG = 0.01f;
}

ArrowMessage::ArrowMessage(float x, float y, float z, UColor colour, float angle, const std::string& text)
    : caption(text)
{
    position = V3(x, y, z);
    color = colour;
    rotation.z = angle;
    updateVisuals();
    arrow = new Renderable();
    arrow->pSkin = GameSupport::resource<Skin>("arrowPointer:0");
    arrow->color = colour;
    addChildLast(arrow);
}

void ArrowMessage::tick(double t, double dt)
{
    arrow->position = V3(SWING * static_cast<float>(std::sin(8.0 * t)) + swingOffset + arrowPosition.x,
                         arrowPosition.y, arrowPosition.z);
    arrow->setPostXform(xform);
    lifetime -= dt;
    if (lifetime <= 0.0)
        bDead = 1;
}

void ArrowMessage::render()
{
    KivBase::render();
    if (caption.empty())
        return;
    FontQuad& font = *GameSupport::resource<FontQuad>("fontBlackOutline");
    // The caption stays level however the arrow is turned.
    Renderable at;
    at.position = position + captionShift(font);
    at.scale = scale;
    at.color = color;
    at.updateVisuals();
    font.printShadow(&at, CAPTION_PRINT, caption, 0.0f, -2.0f, 0.0f, SHADOW_COLOUR);
}

V3 ArrowMessage::captionShift(const FontQuad& font) const
{
    const Context* screen = pKiv->pCurrentContext;
    ViewBox ink;
    if (!screen || !screen->pCamera || !TextInk::measure(font, CAPTION_PRINT, caption, &ink))
        return V3();
    const Camera& camera = *screen->pCamera;
    const KivGraphics& graphics = *pKiv->pGraphics;
    const ViewBox view{0.0f, 0.0f, static_cast<float>(graphics.fovWidth), static_cast<float>(graphics.fovHeight)};
    const ViewBox seen = ink.placedAt(position, scale).seenBy(camera, position.z);
    std::vector<ViewBox> clearOf;
    if (keepOut)
        clearOf = keepOut();
    if (!arrow->bHidden)
        clearOf.push_back(arrowReach(camera, view));
    const V3 shift = CaptionPlacement::shiftClear(seen, view, clearOf);
    const float worldPerViewUnit = camera.getDepthScale(position.z);
    return V3(shift.x * worldPerViewUnit, shift.y * worldPerViewUnit, 0.0f);
}

ViewBox ArrowMessage::arrowReach(const Camera& camera, const ViewBox& view) const
{
    // The arrow's skin in the message's own units, before the message's turn
    // and scale, stretched by its swing along x.
    const Skin& skin = *arrow->pSkin;
    const float centreX = arrowPosition.x + swingOffset - skin.origin.x;
    const float centreY = arrowPosition.y - skin.origin.y;
    const float halfWidth = skin.width / 2.0f + SWING, halfHeight = skin.height / 2.0f;
    ViewBox reach;
    bool bFirst = true;
    for (const float sx : {-1.0f, 1.0f})
        for (const float sy : {-1.0f, 1.0f}) {
            const V3 corner =
                transformPoint(V3(centreX + sx * halfWidth, centreY + sy * halfHeight, arrowPosition.z), xform);
            const V3 seen = camera.world2screen(corner.x, corner.y, corner.z);
            const ViewBox point{seen.x, seen.y, seen.x, seen.y};
            reach = bFirst ? point : reach.unitedWith(point);
            bFirst = false;
        }
    // The arrow's art points along its x axis.
    const V3 tail = transformPoint(V3(), xform);
    const V3 tip = transformPoint(V3(1.0f, 0.0f, 0.0f), xform);
    const float length = std::hypot(tip.x - tail.x, tip.y - tail.y);
    if (length <= 0.0f)
        return reach;
    const float towardsX = (tip.x - tail.x) / length, towardsY = (tip.y - tail.y) / length;
    if (towardsX > POINTS_ALONG)
        reach.right = std::max(reach.right, view.right);
    if (towardsX < -POINTS_ALONG)
        reach.left = std::min(reach.left, view.left);
    if (towardsY > POINTS_ALONG)
        reach.top = std::max(reach.top, view.top);
    if (towardsY < -POINTS_ALONG)
        reach.bottom = std::min(reach.bottom, view.bottom);
    return reach;
}
