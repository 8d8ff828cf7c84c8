#include "MyGlobal.h"

#include "Context.h"
#include "ContextManager.h"

void MyGlobal::initPreLoader()
{
    Global::initPreLoader();
    Context* first = new Context();
    first->bEscapeCloses = true;
    first->bDeleteWhenFinished = true;
    pContextManager->pushContext(first);
}
