#include "MenuUserDisplay.h"

#include "Context.h"
#include "ContextManager.h"
#include "ContextNewUser.h"
#include "ContextUserManager.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Language.h"
#include "RenderableText.h"

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
    RenderableText* hintLine =
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

    const Context* screen = pKiv->pCurrentContext;
    const float top = nameLine->position.y;
    const bool hovered = screen && -HOVER_HALF_WIDTH <= screen->mouseX && screen->mouseX < HOVER_HALF_WIDTH &&
                         top - HOVER_HEIGHT < screen->mouseY && screen->mouseY <= top;
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
