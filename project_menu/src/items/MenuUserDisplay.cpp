#include "MenuUserDisplay.h"

#include "Context.h"
#include "ContextManager.h"
#include "ContextNewUser.h"
#include "ContextUserManager.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Language.h"
#include "RenderableText.h"

#include <algorithm>

namespace {
const UColor NAME_COLOR(255, 128, 0, 255);
const UColor NAME_HOVER_COLOR(255, 255, 255, 255);
const UColor HINT_COLOR(64, 32, 0, 255);
} // namespace

MenuUserDisplay::MenuUserDisplay()
{
    const int top = pKiv->pGraphics->fovHeight / 2;
    nameLine = new RenderableText(0.0f, static_cast<float>(top - NAME_DROP), 0.0f, "", pGlobal->pFontMedium,
                                  UColor(0, 0, 0, 255));
    nameLine->bShadow = false;
    nameLine->color = NAME_COLOR;
    addChildLast(nameLine);
    hintLine =
        new RenderableText(0.0f, static_cast<float>(top - HINT_DROP), 0.0f,
                           pKiv->pLanguage->getText(Language::CLICKTOCHANGEPLAYERS), pGlobal->pFontSmall, HINT_COLOR);
    hintLine->bShadow = false;
    addChildLast(hintLine);
}

void MenuUserDisplay::tick(double t, double dt)
{
    ProfileManager& roster = pGlobal->profileManager;
    nameLine->text = formatString(pKiv->pLanguage->getText(Language::HELLO), roster.getName(roster.current));
    KivBase::tick(t, dt);

    const bool hovered = isHovered();
    nameLine->color = hovered ? NAME_HOVER_COLOR : NAME_COLOR;

    ContextManager& stack = *pGlobal->pContextManager;
    if (hovered && pKiv->pInput->isMouseButtonPressed())
        stack.pushContext(new ContextUserManager());
    if (!roster.isUsed(roster.current)) {
        pGlobal->hst.bPlayerPromptPending = true;
        stack.pushContext(new ContextNewUser());
    } else {
        pGlobal->hst.bPlayerPromptPending = false;
    }
}

bool MenuUserDisplay::isHovered() const
{
    const Context* screen = pKiv->pCurrentContext;
    if (!screen)
        return false;
    const float halfWidth =
        std::max(HOVER_HALF_WIDTH, static_cast<float>(hintLine->pFont->measure(hintLine->text).width) / 2.0f);
    const float top = nameLine->position.y;
    const float bottom =
        std::min(top - HOVER_HEIGHT, hintLine->position.y - static_cast<float>(hintLine->pFont->lineHeight));
    return -halfWidth <= screen->mouseX && screen->mouseX < halfWidth && bottom < screen->mouseY &&
           screen->mouseY <= top;
}
