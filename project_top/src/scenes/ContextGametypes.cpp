#include "ContextGametypes.h"

#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"

ContextGametypes::ContextGametypes()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    pBackButton = new MenuButton(0.0f, -150.0f, 0.0f, pKiv->pLanguage->getText(Language::BACK), "");
    addChildLast(pBackButton);
}

void ContextGametypes::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (pBackButton->wasClicked())
        bFinished = true;
}
