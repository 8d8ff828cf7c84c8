#include "scenes/ContextGametypes.h"

#include "ContextManager.h"
#include "ContextPre.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButton.h"
#include "MenuLayout.h"
#include "game/GameControllerAdventure.h"
#include "game/GameControllerPuzzle.h"
#include "game/GameControllerTimeTrial.h"

#include <utility>

namespace {

MenuButton* addModeButton(Context& screen, int row, Language::StringsEnum caption, Language::StringsEnum hint)
{
    const Language& language = *pKiv->pLanguage;
    MenuButton* button =
        new MenuButton(0.0f, -MenuLayout::BUTTON_STEP * static_cast<float>(row), 0.0f, language.getText(caption),
                       language.getText(hint));
    screen.addChildLast(button);
    return button;
}

template <typename Mode>
GameController* newGame()
{
    return new Mode();
}

}

ContextGametypes::ContextGametypes()
{
    bDeleteWhenFinished = true;
    pBackgroundContext = pGlobal->pContextPre;
    MenuLayout::addTitle(*this, pKiv->pLanguage->getText(Language::STARTGAME));
    actionButton = addModeButton(*this, 0, Language::GAMETYPETIMETRIAL, Language::GAMETYPETIMETRIALHINT);
    questButton = addModeButton(*this, 1, Language::GAMETYPEADVENTURE, Language::GAMETYPEADVENTUREHINT);
    puzzleButton = addModeButton(*this, 2, Language::GAMETYPEPUZZLE, Language::GAMETYPEPUZZLEHINT);
    MenuLayout::addBackButton(*this);
}

void ContextGametypes::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    const std::pair<MenuButton*, GameController* (*)()> modes[] = {
        {actionButton, newGame<GameControllerTimeTrial>},
        {questButton, newGame<GameControllerAdventure>},
        {puzzleButton, newGame<GameControllerPuzzle>},
    };
    for (const auto& [button, makeGame] : modes) {
        if (!button->wasClicked())
            continue;
        GameController* game = makeGame();
        pGlobal->pContextManager->pushContext(game);
        game->startGame();
        bFinished = true;
    }
}
