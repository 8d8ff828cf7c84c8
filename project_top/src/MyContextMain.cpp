#include "MyContextMain.h"

#include "ContextManager.h"
#include "Global.h"
#include "scenes/ContextGametypes.h"

MyContextMain::MyContextMain() = default;

void MyContextMain::onButtonStart()
{
    pGlobal->pContextManager->pushContext(new ContextGametypes());
}
