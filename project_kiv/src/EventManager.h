#pragma once
// EventManager: keeps the object under the mouse and tells objects when the
// mouse enters and leaves them.
#include "Reference.h"

class KivBase;

class EventManager {
public:
    EventManager();

    // Sends onMouseLeave to the old object and onMouseEnter to the new one.
    void setMouseOver(KivBase* object);
    KivBase* getMouseOver() const { return mouseOver.get(); }
    void tick();

private:
    Reference mouseOver;
};
