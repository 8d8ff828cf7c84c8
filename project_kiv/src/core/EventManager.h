#pragma once
// EventManager: keeps the object under the mouse (the mouse-over object) and
// tells objects when the mouse enters and leaves them. Each frame, after the
// screens have ticked, it asks the root screen's pick for the object under
// the mouse. Owned by Kiv; main thread only.
#include "Reference.h"

class Context;
class KivBase;

class EventManager {
public:
    EventManager();
    EventManager(const EventManager&) = delete;
    EventManager& operator=(const EventManager&) = delete;

    // Sends onMouseLeave to the old object and onMouseEnter to the new one;
    // nothing when the object does not change.
    void setMouseOver(KivBase* object);
    KivBase* getMouseOver() const { return mouseOver.get(); }
    // The root's pick becomes the mouse-over object; an object that ignores
    // events (itself or through an ancestor) is never one. root may be null.
    void tick(Context* root);

private:
    // Cleared by itself when the object is deleted.
    Reference mouseOver;
};
