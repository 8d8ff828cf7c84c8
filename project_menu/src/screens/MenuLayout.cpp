#include "MenuLayout.h"

#include "Context.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Language.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"

float MenuLayout::top()
{
    return static_cast<float>(pKiv->pGraphics->fovHeight / 2);
}

float MenuLayout::right()
{
    return static_cast<float>(pKiv->pGraphics->fovWidth / 2);
}

RenderableText* MenuLayout::addTitle(Context& screen, const std::string& text)
{
    RenderableText* title =
        new RenderableText(0.0f, top() - TITLE_DROP, 0.0f, text, pGlobal->pFontLarge, UColor(255, 255, 255, 255));
    title->flags |= FontQuad::PRINT_CENTRE_Y;
    screen.addChildLast(title);
    return title;
}

MenuButtonQuit* MenuLayout::addBackButton(Context& screen)
{
    MenuButtonQuit* back = new MenuButtonQuit(CORNER_INSET_X - right(), CORNER_INSET_Y - top(), 0.0f,
                                              pKiv->pLanguage->getText(Language::BACK), "");
    back->setWidth(CORNER_WIDTH);
    screen.addChildLast(back);
    return back;
}
