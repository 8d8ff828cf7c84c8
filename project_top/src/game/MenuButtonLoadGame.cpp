#include "MenuButtonLoadGame.h"

#include "Context.h"
#include "ContextManager.h"
#include "GameController.h"
#include "MyGlobal.h"

MenuButtonLoadGame::MenuButtonLoadGame(float x, float y, float z, const std::string& buttonCaption,
                                       const std::string& buttonHint)
    : MenuButton(x, y, z, buttonCaption, buttonHint)
{
}

void MenuButtonLoadGame::click()
{
    MyGlobal* global = getMyGlobal();
    if (global->pCurrentGame)
        global->pCurrentGame->loadGame();
    if (Context* active = global->pContextManager->getActiveContext())
        active->bFinished = true;
}
