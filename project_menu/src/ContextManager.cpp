#include "ContextManager.h"

KIV_IMPLEMENT_CLASS(ContextManager, Context, nullptr);

ContextManager::ContextManager()
{
}

void ContextManager::pushContext(Context* screen)
{
    screen->bFinished = false;
    addChildLast(screen);
}

Context* ContextManager::getActiveContext() const
{
    return static_cast<Context*>(pLastChild);
}

void ContextManager::tick(double, double frameDt)
{
    while (Context* top = getActiveContext()) {
        if (!top->bFinished)
            break;
        removeChild(top);
        top->deactivate(true);
        if (top->bDeleteWhenFinished)
            top->deleteMe();
    }
    Context* active = getActiveContext();
    if (!active) {
        bQuit = true;
        return;
    }
    active->tick(active->t, frameDt);
}

void ContextManager::render()
{
    if (Context* active = getActiveContext())
        active->render();
}
