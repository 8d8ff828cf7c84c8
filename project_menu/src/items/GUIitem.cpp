#include "GUIitem.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "GUItheme.h"
#include "StatusLine.h"
#include "StretchSkin.h"
#include "Texture.h"

#include <algorithm>

GUIitem::GUIitem(GUItheme* itemTheme, int style) : theme(itemTheme), font(itemTheme->font)
{
    bHasInvXform = true;
    copyThemeFrame();
    theme->setStyle(this, style);
    if (skinNormal)
        setSize(width, height);
}

GUIitem::~GUIitem()
{
    deleteFrames();
}

void GUIitem::copyThemeFrame()
{
    frameWidth = theme->frameWidth;
    borderLeft = theme->borderLeft;
    borderTop = theme->borderTop;
    borderBottom = theme->borderBottom;
    borderRight = theme->borderRight;
}

void GUIitem::deleteFrames()
{
    // The drawable's skin is always one of the three frames, never owned.
    pSkin = nullptr;
    for (StretchSkin** frame : {&skinNormal, &skinMouseOver, &skinDisabled}) {
        if (*frame)
            (*frame)->deleteMe();
        *frame = nullptr;
    }
}

void GUIitem::setStyle(int style)
{
    copyThemeFrame();
    theme->setStyle(this, style);
    setSize(width, height);
}

void GUIitem::setSize(int innerWidth, int innerHeight)
{
    width = innerWidth;
    height = innerHeight;
    if (!skinNormal)
        return;
    const float w = static_cast<float>(width + 2 * frameWidth);
    const float h = static_cast<float>(height + 2 * frameWidth);
    for (StretchSkin* frame : {skinDisabled, skinNormal, skinMouseOver})
        frame->setSize(w, h);
    updateVisuals();
}

void GUIitem::setTexts(const std::string& newCaption, const std::string& newTooltip, const std::string& newDisabledTip)
{
    caption = newCaption;
    tooltip = newTooltip;
    disabledTip = newDisabledTip;
}

void GUIitem::setSkinTexture(Texture* texture)
{
    KIV_ASSERT(texture->skins.size() >= 3);
    deleteFrames();
    auto makeFrame = [this, texture](size_t index) {
        StretchSkin* frame = new StretchSkin(texture->skins[index]);
        frame->setBorders(borderLeft, borderTop, borderBottom, borderRight);
        return frame;
    };
    skinNormal = makeFrame(1);
    skinDisabled = makeFrame(0);
    skinMouseOver = makeFrame(2);
    pSkin = skinNormal;
    updateVisuals();
}

void GUIitem::addItem(Renderable* child)
{
    addChildLast(child);
    updateVisuals();
}

void GUIitem::updateVisuals()
{
    Renderable::updateVisuals();
    BasicLinkIterator children(this);
    while (KivBase* child = children.next())
        if (!child->bDead)
            if (Renderable* drawable = dynamic_cast<Renderable*>(child))
                drawable->setPostXform(xform);
}

void GUIitem::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    bMouseOver = isUnderMouse();
    highlight += bMouseOver ? HIGHLIGHT_RATE * dt : -HIGHLIGHT_RATE * dt;
    highlight = std::clamp(highlight, 0.0, 1.0);
    colorCurrent =
        isDisabledInHierarchy() ? colorDisabled : UColor(colorNormal, colorHighlighted, static_cast<float>(highlight));
}

void GUIitem::render()
{
    if (bHidden)
        return;
    const bool bDisabled = isDisabledInHierarchy();
    Skin* frame = bDisabled ? skinDisabled : isMouseOver() ? skinMouseOver : skinNormal;
    if (frame != pSkin) {
        pSkin = frame;
        updateVisuals();
    }
    Renderable::render();
    if (bMouseOver)
        StatusLine::print(bDisabled ? disabledTip : tooltip, bDisabled);
    if (!caption.empty())
        renderCaption();
    KivBase::render();
}

void GUIitem::renderCaption()
{
    const float sw = pSkin ? pSkin->width : 0.0f;
    const float sh = pSkin ? pSkin->height : 0.0f;
    const float g = static_cast<float>(theme->captionGap);
    V3 place;
    int flags = 0;
    int limit = UNLIMITED_CAPTION;
    const int insideLimit = width - 2 * theme->captionGap;
    switch (captionLocation) {
    case 4:
        place = V3(-sw / 2 - g, 0.0f, 0.0f);
        flags = 0x18;
        break;
    case 5:
        flags = 0x14;
        break;
    case 6:
        place = V3(sw / 2 + g, 0.0f, 0.0f);
        flags = 0x12;
        break;
    case 8:
        place = V3(0.0f, sh / 2 + g, 0.0f);
        flags = 0x24;
        break;
    case -4:
        place = V3(g - sw / 2, 0.0f, 0.0f);
        flags = 0x12;
        limit = insideLimit;
        break;
    case -6:
        place = V3(sw / 2 - g, 0.0f, 0.0f);
        flags = 0x18;
        limit = insideLimit;
        break;
    case -8:
        place = V3(0.0f, sh / 2 - g, 0.0f);
        flags = 0x05;
        limit = insideLimit;
        break;
    default:
        KIV_ERROR("Invalid caption location.");
    }
    Renderable at;
    at.bSkipVisibility = true;
    at.postXform = xform;
    at.color = colorCurrent;
    at.position = place;
    at.updateVisuals();
    font->printTruncated(&at, flags, caption, limit);
}
