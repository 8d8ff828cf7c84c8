#include "ContextMain.h"

#include "ContextCredits.h"
#include "ContextHighScores.h"
#include "ContextManager.h"
#include "ContextOptions.h"
#include "ContextPost.h"
#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "Logo.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuButtonURL.h"
#include "MenuLayout.h"
#include "MenuUserDisplay.h"

#include <algorithm>

const char* const ContextMain::WEBSITE_ADDRESS = "http://www.brightforgestudios.com/";

ContextMain::ContextMain()
{
    bDeleteWhenFinished = true;
    bConfirmBeforeClose = true;
    pBackgroundContext = pGlobal->pContextPre;
    pForegroundContext = pGlobal->pContextPost;
    const Language& language = *pKiv->pLanguage;

    pLogo = new Logo();
    pLogo->position = V3(0.0f, MenuLayout::top() - LOGO_DROP, 0.0f);
    pLogo->delay = LOGO_DELAY;
    pLogo->fadeIn = LOGO_FADE;
    pLogo->updateVisuals();
    addChildLast(pLogo);
    pUserDisplay = new MenuUserDisplay();
    addChildLast(pUserDisplay);

    auto addButton = [this](int index, Language::StringsEnum caption) {
        MenuButton* button = new MenuButton(0.0f, FIRST_BUTTON_Y - MenuLayout::BUTTON_STEP * static_cast<float>(index),
                                            0.0f, pKiv->pLanguage->getText(caption), "");
        addChildLast(button);
        return button;
    };
    pStartButton = addButton(0, Language::STARTGAME);
    pHighScoresButton = addButton(1, Language::HIGHSCORES);
    pOptionsButton = addButton(2, Language::OPTIONSDOTS);
    pCreditsButton = addButton(3, Language::CREDITS);

    const float cornerX = MenuLayout::right() - MenuLayout::CORNER_INSET_X;
    const float cornerY = MenuLayout::CORNER_INSET_Y - MenuLayout::top();
    pQuitButton = new MenuButtonQuit(-cornerX, cornerY, 0.0f, language.getText(Language::QUIT), "");
    pQuitButton->confirmQuestion = language.getText(Language::CONFIRM);
    pQuitButton->setWidth(MenuLayout::CORNER_WIDTH);
    addChildLast(pQuitButton);
    pWebsiteButton = new MenuButtonURL(cornerX, cornerY, 0.0f, language.getText(Language::WEBSITE),
                                       language.getText(Language::WEBSITEHINT));
    pWebsiteButton->url = WEBSITE_ADDRESS;
    // It ends the program as Quit does, so it asks as Quit does: the pointer
    // rests on it when the intro ends, where a second click of the one that
    // skipped the intro would otherwise close the game. The question is
    // titled with the button's caption, as the other buttons' questions
    // are, and its message says what Yes does: the hint, which warns that
    // the game will close, on a line of its own above the confirmation (it
    // is too long for the title's large font to fit the view).
    pWebsiteButton->confirmTitle = language.getText(Language::WEBSITE);
    pWebsiteButton->confirmQuestion =
        UString(language.getText(Language::WEBSITEHINT)) + "|" + language.getText(Language::CONFIRM);
    pWebsiteButton->setWidth(MenuLayout::CORNER_WIDTH);
    addChildLast(pWebsiteButton);
}

void ContextMain::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    ContextManager& stack = *pGlobal->pContextManager;
    if (pStartButton->wasClicked())
        onButtonStart();
    if (pHighScoresButton->wasClicked())
        stack.pushContext(new ContextHighScores(std::max(0, ContextHighScores::findNewestEntryTable())));
    if (pOptionsButton->wasClicked())
        stack.pushContext(new ContextOptions());
    if (pCreditsButton->wasClicked())
        stack.pushContext(new ContextCredits());
}

void ContextMain::onButtonStart()
{
}
