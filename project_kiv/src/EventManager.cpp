#include "EventManager.h"

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

void EventManager::tick()
{
}
