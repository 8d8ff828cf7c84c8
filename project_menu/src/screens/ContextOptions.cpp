#include "ContextOptions.h"

#include "ContextHelp.h"
#include "ContextLanguageNotice.h"
#include "ContextManager.h"
#include "ContextNetworkWizard.h"
#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextOptionsGameplay.h"
#include "ContextOptionsGraphics.h"
#include "ContextOptionsSound.h"
#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuButtonQuit.h"
#include "MenuLayout.h"

ContextOptions::ContextOptions()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    MenuLayout::addTitle(*this, pKiv->pLanguage->getText(Language::OPTIONS));
    int index = 0;
    auto addButton = [this, &index](Language::StringsEnum caption) {
        MenuButton* button = new MenuButton(0.0f, FIRST_BUTTON_Y - BUTTON_STEP * static_cast<float>(index++),
                                            0.0f, pKiv->pLanguage->getText(caption), "");
        addChildLast(button);
        return button;
    };
    pGameplayButton = addButton(Language::GAMEPLAY);
    pGraphicsButton = addButton(Language::GRAPHICS);
    pSoundButton = addButton(Language::SOUND);
    pControlsButton = addButton(Language::CONTROLS);
    pControls2Button = addButton(Language::CONTROLS2DOTS);
    pNetworkButton = addButton(Language::NETWORKWIZARDDOTS);
    if (pKiv->bMultilanguage)
        pLanguageButton = addButton(Language::CHANGELANGUAGE);
    pHelpButton = addButton(Language::HELP);
    pBackButton = MenuLayout::addBackButton(*this);
}

void ContextOptions::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    ContextManager& stack = *pGlobal->pContextManager;
    if (pGameplayButton->wasClicked())
        stack.pushContext(new ContextOptionsGameplay());
    if (pGraphicsButton->wasClicked())
        stack.pushContext(new ContextOptionsGraphics());
    if (pSoundButton->wasClicked())
        stack.pushContext(new ContextOptionsSound());
    if (pControlsButton->wasClicked())
        stack.pushContext(new ContextOptionsControls());
    if (pControls2Button->wasClicked())
        stack.pushContext(new ContextOptionsControls2());
    if (pLanguageButton && pLanguageButton->wasClicked()) {
        // The language is chosen at start-up only; the next start asks again.
        pKiv->defaultLanguage = -1;
        stack.pushContext(new ContextLanguageNotice());
    }
    if (pNetworkButton->wasClicked())
        stack.pushContext(new ContextNetworkWizard());
    if (pHelpButton->wasClicked())
        stack.pushContext(new ContextHelp());
}
