#include "ContextLanguageNotice.h"

#include "ContextPre.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButtonQuit.h"
#include "MenuGroup.h"
#include "MenuLayout.h"
#include "RenderableText.h"

#include <sstream>
#include <string>

ContextLanguageNotice::ContextLanguageNotice()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    MenuLayout::addTitle(*this, language.getText(Language::CHANGELANGUAGE));
    pPanel = new MenuGroup(0.0f, 0.0f, 0.0f, "", PANEL_WIDTH, PANEL_HEIGHT);
    addChildLast(pPanel);

    std::vector<std::string> texts;
    std::istringstream notice(language.getText(Language::CHANGELANGUAGETEXT));
    for (std::string line; std::getline(notice, line, '|');)
        texts.push_back(line);
    float y = LINE_STEP * static_cast<float>(texts.size()) / 2.0f + LINE_STEP / 2.0f;
    for (const std::string& text : texts) {
        RenderableText* line = new RenderableText(0.0f, y, 0.0f, text, pGlobal->pFontMedium, UColor(255, 255, 255, 255));
        line->flags |= FontQuad::PRINT_CENTRE_Y;
        addChildLast(line);
        lines.push_back(line);
        y -= LINE_STEP;
    }

    pOkButton = new MenuButtonQuit(0.0f, y - LINE_STEP, 0.0f, language.getText(Language::OK), "");
    pOkButton->setWidth(OK_WIDTH);
    addChildLast(pOkButton);
}
