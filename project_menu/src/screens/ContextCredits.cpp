#include "ContextCredits.h"

#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"

const UColor ContextCredits::TITLE_COLOR(255, 255, 255, 255);
const UColor ContextCredits::ROLE_COLOR(255, 128, 0, 255);
const UColor ContextCredits::NAME_COLOR(255, 255, 192, 255);

ContextCredits::ContextCredits()
{
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    auto text = [&language](Language::StringsEnum id) { return language.getText(id); };
    addLine(text(Language::CREDITS), pGlobal->pFontLarge, TITLE_COLOR, 0.0f);
    addLine(text(Language::GLIMMERDALE), pGlobal->pFontLarge, TITLE_COLOR, GROUP_GAP);
    addLine(text(Language::COPYRIGHT), pGlobal->pFontSmall, TITLE_COLOR, LINE_GAP);
    addLine(text(Language::CREDITS1A1), pGlobal->pFontMedium, ROLE_COLOR, GROUP_GAP);
    addLine(text(Language::CREDITS1A2), pGlobal->pFontMedium, ROLE_COLOR, LINE_GAP);
    addLine(text(Language::CREDITS1A3), pGlobal->pFontMedium, ROLE_COLOR, LINE_GAP);
    addLine(text(Language::CREDITS1B), pGlobal->pFontLarge, NAME_COLOR, LINE_GAP);
    addLine(text(Language::CREDITS2A), pGlobal->pFontMedium, ROLE_COLOR, GROUP_GAP);
    addLine(text(Language::CREDITS2B), pGlobal->pFontLarge, NAME_COLOR, LINE_GAP);
}
