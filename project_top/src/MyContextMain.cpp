#include "MyContextMain.h"

#include "ContextGametypes.h"
#include "ContextManager.h"
#include "Global.h"

MyContextMain::MyContextMain() = default;

void MyContextMain::onButtonStart()
{
    pGlobal->pContextManager->pushContext(new ContextGametypes());
}
