#include "MenuButtonQuit.h"

#include "ContextManager.h"
#include "Global.h"

MenuButtonQuit::MenuButtonQuit(float x, float y, float z, const std::string& buttonCaption,
                               const std::string& buttonHint)
    : MenuButton(x, y, z, buttonCaption, buttonHint)
{
}

void MenuButtonQuit::click()
{
    MenuButton::click();
    if (Context* screen = pGlobal->pContextManager->getActiveContext())
        screen->bFinished = true;
}
