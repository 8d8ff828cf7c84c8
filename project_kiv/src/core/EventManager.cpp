#include "EventManager.h"

#include "Context.h"
#include "KivBase.h"
#include "Logger.h"

EventManager::EventManager()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

void EventManager::setMouseOver(KivBase* object)
{
    KivBase* old = mouseOver.get();
    if (old == object)
        return;
    mouseOver.set(object);
    if (old)
        old->onMouseLeave();
    if (object)
        object->onMouseEnter();
}

void EventManager::tick(Context* root)
{
    KivBase* picked = root ? root->pick(root->mouseX, root->mouseY) : nullptr;
    if (picked && picked->isDisabledInHierarchy())
        picked = nullptr;
    setMouseOver(picked);
}
