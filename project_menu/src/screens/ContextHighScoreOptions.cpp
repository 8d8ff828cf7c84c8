#include "ContextHighScoreOptions.h"

#include "ContextManager.h"
#include "ContextPre.h"
#include "ContextScoreUpload.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuButtonURL.h"
#include "MenuLayout.h"

const char* const ContextHighScoreOptions::WORLDWIDE_SCORES_ADDRESS =
    "http://www.brightforgestudios.com/glimmerdale/scores/";

ContextHighScoreOptions::ContextHighScoreOptions()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    const Language& language = *pKiv->pLanguage;
    MenuLayout::addTitle(*this, language.getText(Language::HIGHSCOREOPTIONS));
    const float step = MenuLayout::BUTTON_STEP;
    pUploadButton = new MenuButton(0.0f, FIRST_BUTTON_Y, 0.0f, language.getText(Language::UPLOADSCORES),
                                   language.getText(Language::UPLOADSCORESHINT));
    addChildLast(pUploadButton);
    pWorldwideButton = new MenuButtonURL(0.0f, FIRST_BUTTON_Y - step, 0.0f, language.getText(Language::WORLDWIDESCORES),
                                         language.getText(Language::WORLDWIDESCORESHINT));
    pWorldwideButton->url = WORLDWIDE_SCORES_ADDRESS;
    addChildLast(pWorldwideButton);
    pResetButton = new MenuButton(0.0f, FIRST_BUTTON_Y - 2.0f * step, 0.0f, language.getText(Language::RESETSCORES),
                                  language.getText(Language::RESETSCORESHINT));
    pResetButton->confirmTitle = language.getText(Language::RESETSCORES);
    pResetButton->confirmQuestion = language.getText(Language::CONFIRM);
    addChildLast(pResetButton);
    pBackButton = MenuLayout::addBackButton(*this);
}

void ContextHighScoreOptions::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (pResetButton->wasClicked()) {
        pGlobal->hst.resetHighScores();
        pGlobal->profileManager.lastHighScorePosition = -1;
        pGlobal->hst.saveNow();
    }
    if (pUploadButton->wasClicked())
        pGlobal->pContextManager->pushContext(new ContextScoreUpload());
}
