#pragma once
// ContextLanguageSelect: the language selection screen, one flag per language; the loader pushes it when no language has been chosen.
// (Minimal until the menu screens land: it finishes as soon as it is first
// ticked.) Deletes itself when the stack pops it. Main thread only.
#include "ContextMenu.h"

class ContextLanguageSelect : public ContextMenu {
public:
    ContextLanguageSelect();
    void tickContents(double t, double dt) override;
};
