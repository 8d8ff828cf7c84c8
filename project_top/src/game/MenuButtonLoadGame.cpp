#include "game/MenuButtonLoadGame.h"

#include "Context.h"
#include "ContextManager.h"
#include "Global.h"
#include "game/GameController.h"

MenuButtonLoadGame::MenuButtonLoadGame(float x, float y, float z, const std::string& buttonCaption,
                                       const std::string& buttonHint)
    : MenuButton(x, y, z, buttonCaption, buttonHint)
{
}

void MenuButtonLoadGame::click()
{
    if (game)
        game->loadGame();
    if (Context* active = pGlobal->pContextManager->getActiveContext())
        active->bFinished = true;
}
