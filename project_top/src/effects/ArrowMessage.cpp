#include "effects/ArrowMessage.h"

#include "FontQuad.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "effects/GameSupport.h"

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
    // The caption stays level however the arrow is turned.
    Renderable at;
    at.position = position;
    at.scale = scale;
    at.color = color;
    at.updateVisuals();
    GameSupport::resource<FontQuad>("fontBlackOutline")
        ->printShadow(&at, FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y, caption, 0.0f, -2.0f, 0.0f,
                      SHADOW_COLOUR);
}
