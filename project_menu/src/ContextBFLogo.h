#pragma once
// ContextBFLogo: the maker's logo screen, shown once after loading.
// (Minimal until the menu screens land: it finishes as soon as it is first
// ticked.) Deletes itself when the stack pops it. Main thread only.
#include "ContextMenu.h"

class ContextBFLogo : public ContextMenu {
public:
    ContextBFLogo();
    void tickContents(double t, double dt) override;
};
