#include "MenuGroup.h"

#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "StretchSkin.h"

MenuGroup::MenuGroup(float x, float y, float z, const std::string& groupCaption, float width, float height)
    : caption(groupCaption)
{
    position = V3(x, y, z);
    updateVisuals();
    bOwnsSkin = true;
    StretchSkin* frame = new StretchSkin(pKiv->pResourceManager->findAs<Skin>("gui-game-square:0"));
    frame->setBorders(BORDER, BORDER, BORDER, BORDER);
    frame->setSize(width, height);
    pSkin = frame;
    updateVisuals();
}

void MenuGroup::render()
{
    if (bHidden)
        return;
    Renderable::render();
    const float top = position.y + 0.5f * pSkin->height;
    pGlobal->pFontMedium->printAt(position.x, top - CAPTION_DROP, position.z, UColor(64, 32, 0, 255),
                                  FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y, caption);
}
