#pragma once
// ContextAutoConfigure: the automatic display configuration screen, the first screen after loading.
// (Minimal until the menu screens land: it finishes as soon as it is first
// ticked.) Deletes itself when the stack pops it. Main thread only.
#include "ContextMenu.h"

class ContextAutoConfigure : public ContextMenu {
public:
    ContextAutoConfigure();
    void tickContents(double t, double dt) override;
};
