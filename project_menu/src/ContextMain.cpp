#include "ContextMain.h"

#include "ContextPost.h"
#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"

ContextMain::ContextMain()
{
    bDeleteWhenFinished = true;
    bConfirmBeforeClose = true;
    pBackgroundContext = pGlobal->pContextPre;
    pForegroundContext = pGlobal->pContextPost;
    Language* language = pKiv->pLanguage;
    pStartButton = new MenuButton(0.0f, 40.0f, 0.0f, language->getText(Language::STARTGAME), "");
    addChildLast(pStartButton);
    pQuitButton = new MenuButton(0.0f, -40.0f, 0.0f, language->getText(Language::QUIT), "");
    addChildLast(pQuitButton);
}

void ContextMain::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (pStartButton->wasClicked())
        onButtonStart();
    if (pQuitButton->wasClicked())
        bFinished = true;
}

void ContextMain::onButtonStart()
{
}
