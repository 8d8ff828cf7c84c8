#include "Global.h"

#include "ContextManager.h"

Global* pGlobal = nullptr;

Global::Global() = default;

Global::~Global()
{
    delete pContextManager;
}

void Global::initPreLoader()
{
    pContextManager = new ContextManager();
}
