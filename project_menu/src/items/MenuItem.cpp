#include "MenuItem.h"

#include "Context.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "StatusLine.h"
#include "StretchSkin.h"
#include "Texture.h"

#include <algorithm>

namespace {
const UColor FRAME_SHADOW(0, 0, 0, 64);
} // namespace

const UColor MenuItem::VALUE_SHADOW(0, 0, 0, 64);

MenuItem::MenuItem(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint)
    : caption(itemCaption), hint(itemHint), font(pGlobal->pFontMedium)
{
    // Before the first transform, so that the point test works from the start.
    bHasInvXform = true;
    position = V3(x, y, z);
    updateVisuals();
    highlightLayer.position = position;
    highlightLayer.updateVisuals();
    setFrameSkin(pKiv->pResourceManager->findAs<Texture>("gui-game-editbox"), 16, 0, 0, 16);
    setWidth(DEFAULT_WIDTH);
}

void MenuItem::setFrameSkin(Texture* texture, int left, int top, int bottom, int right)
{
    KIV_ASSERT(texture->skins.size() >= 2);
    deleteSkin();
    highlightLayer.deleteSkin();
    StretchSkin* frame = new StretchSkin(texture->skins[0]);
    frame->setBorders(left, top, bottom, right);
    bOwnsSkin = true;
    pSkin = frame;
    updateVisuals();
    StretchSkin* glow = new StretchSkin(texture->skins[1]);
    glow->setBorders(left, top, bottom, right);
    highlightLayer.bOwnsSkin = true;
    highlightLayer.pSkin = glow;
    highlightLayer.updateVisuals();
}

void MenuItem::setWidth(int width)
{
    static_cast<StretchSkin*>(pSkin)->setSize(static_cast<float>(width), -1.0f);
    updateVisuals();
    static_cast<StretchSkin*>(highlightLayer.pSkin)->setSize(static_cast<float>(width), -1.0f);
    highlightLayer.updateVisuals();
}

void MenuItem::useCloudSkin()
{
    setFrameSkin(pKiv->pResourceManager->findAs<Texture>("gui-game-button-cloud"), 26, 0, 0, 26);
    dropShadow = false;
}

bool MenuItem::wasClicked()
{
    const bool was = clicked;
    clicked = false;
    return was;
}

void MenuItem::click()
{
    clicked = true;
    pKiv->pResourceManager->findAs<Sound>("mouseClick")->play();
}

void MenuItem::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    const Context* screen = pKiv->pCurrentContext;
    highlighted = screen && isPointInside(V3(screen->mouseX, screen->mouseY, screen->mouseZ));
    highlightFactor += highlighted ? HIGHLIGHT_RATE * dt : -HIGHLIGHT_RATE * dt;
    highlightFactor = std::clamp(highlightFactor, 0.0, 1.0);
    textColor = disabled ? disabledColor : UColor(normalColor, highlightColor, static_cast<float>(highlightFactor));
}

void MenuItem::render()
{
    if (bHidden)
        return;
    if (dropShadow && pKiv->pGraphics->bTextShadows && pSkin) {
        Renderable shadow;
        shadow.bSkipVisibility = true;
        shadow.pSkin = pSkin;
        shadow.position = V3(position.x, position.y - 2.0f, position.z);
        shadow.rotation = rotation;
        shadow.scale = scale;
        shadow.color = FRAME_SHADOW;
        shadow.updateVisuals();
        shadow.render();
    }
    Renderable::render();
    if (!disabled && highlightFactor > 0.0) {
        highlightLayer.scale = scale;
        highlightLayer.updateVisuals();
        highlightLayer.color.a = static_cast<uint8_t>(std::clamp(highlightFactor, 0.0, 1.0) * 255.0);
        highlightLayer.render();
    }
    drawValue(position.x, position.y, position.z);
    if (highlighted)
        StatusLine::print(disabled ? disabledText : hint, disabled);
    renderCaption();
}

void MenuItem::drawValue(float, float, float)
{
}

void MenuItem::renderCaption()
{
    const float w = pSkin ? pSkin->width : 0.0f;
    const float h = pSkin ? pSkin->height : 0.0f;
    V3 offset;
    int flags = 0;
    switch (captionLocation) {
    case 4:
        offset = V3(-0.5f * w - CAPTION_GAP, 0.0f, 0.0f);
        flags = FontQuad::PRINT_RIGHT | FontQuad::PRINT_CENTRE_Y;
        break;
    case 5:
        flags = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y;
        break;
    case 6:
        offset = V3(0.5f * w + CAPTION_GAP, 0.0f, 0.0f);
        flags = 0x02 | FontQuad::PRINT_CENTRE_Y;
        break;
    case 8:
        offset = V3(0.0f, 0.5f * h + CAPTION_GAP, 0.0f);
        flags = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_BOTTOM;
        break;
    default:
        KIV_ERROR("Invalid caption location.");
    }
    Renderable at;
    placeText(at, local2world(offset), textColor);
    if (dropShadow && !disabled)
        font->printShadow(&at, flags, caption, 0.0f, -2.0f, 0.0f, VALUE_SHADOW);
    else
        font->print(&at, flags, caption);
}

void MenuItem::placeText(Renderable& at, V3 point, UColor atColor)
{
    at.bSkipVisibility = true;
    at.position = point;
    at.rotation = rotation;
    at.scale = scale;
    at.color = atColor;
    at.updateVisuals();
}

void MenuItem::printValue(float x, float y, float z, const std::string& text)
{
    Renderable at;
    placeText(at, V3(x, y, z), textColor);
    const int flags = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y;
    if (dropShadow)
        pGlobal->pFontMedium->printShadow(&at, flags, text, 0.0f, -2.0f, 0.0f, VALUE_SHADOW);
    else
        pGlobal->pFontMedium->print(&at, flags, text);
}
