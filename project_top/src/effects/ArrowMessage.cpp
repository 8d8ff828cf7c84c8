#include "effects/ArrowMessage.h"

#include "Camera.h"
#include "Context.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/GameSupport.h"

#include <algorithm>
#include <cmath>

namespace {
const UColor SHADOW_COLOUR(0, 0, 0, 64);
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
    arrow->position = V3(8.0f * static_cast<float>(std::sin(8.0 * t)) + swingOffset + arrowPosition.x,
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
    at.position = position + captionShiftIntoView(font);
    at.scale = scale;
    at.color = color;
    at.updateVisuals();
    font.printShadow(&at, FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y, caption, 0.0f, -2.0f, 0.0f,
                     SHADOW_COLOUR);
}

V3 ArrowMessage::captionShiftIntoView(const FontQuad& font) const
{
    const Context* screen = pKiv->pCurrentContext;
    if (!screen || !screen->pCamera)
        return V3();
    // The glyphs as the font lays them out centred on both axes: each hangs
    // from the pen by its skin's anchor.
    const float penStartX = static_cast<float>(-(font.measure(caption).width / 2));
    const float penY = static_cast<float>(font.lineHeight / 2);
    float left = 0.0f, right = 0.0f, bottom = 0.0f, top = 0.0f;
    bool bInked = false;
    float pen = penStartX;
    for (int i = 0; i < static_cast<int>(caption.size()); ++i) {
        const int code = font.getSymbol(caption, i);
        if (const Skin* glyph = font.getSymbolData(code).pQuad) {
            const float x0 = pen - glyph->width / 2.0f - glyph->origin.x;
            const float y0 = penY - glyph->height / 2.0f - glyph->origin.y;
            left = bInked ? std::min(left, x0) : x0;
            right = bInked ? std::max(right, x0 + glyph->width) : x0 + glyph->width;
            bottom = bInked ? std::min(bottom, y0) : y0;
            top = bInked ? std::max(top, y0 + glyph->height) : y0 + glyph->height;
            bInked = true;
        }
        pen += static_cast<float>(font.getAdvance(code));
    }
    if (!bInked)
        return V3();
    const Camera::VisibleRect view = screen->pCamera->getVisibleRect(position.z);
    auto inside = [](float low, float high, float viewLow, float viewHigh) {
        if (low < viewLow)
            return viewLow - low;
        return high > viewHigh ? viewHigh - high : 0.0f;
    };
    return V3(inside(position.x + left * scale.x, position.x + right * scale.x, view.left, view.right),
              inside(position.y + bottom * scale.y, position.y + top * scale.y, view.bottom, view.top), 0.0f);
}
