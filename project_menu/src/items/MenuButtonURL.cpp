#include "MenuButtonURL.h"

#include "ContextManager.h"
#include "Global.h"

MenuButtonURL::MenuButtonURL(float x, float y, float z, const std::string& buttonCaption,
                             const std::string& buttonHint)
    : MenuButton(x, y, z, buttonCaption, buttonHint)
{
}

void MenuButtonURL::click()
{
    MenuButton::click();
    pGlobal->urlToOpenOnExit = url;
    pGlobal->pContextManager->bQuit = true;
}
