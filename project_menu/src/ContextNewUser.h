#pragma once
// ContextNewUser: the new-player screen, where a name is typed. (Minimal
// until the player screens land: it finishes as soon as it is shown.)
// Deletes itself when finished. Main thread only.
#include "ContextMenu.h"

class ContextNewUser : public ContextMenu {
public:
    ContextNewUser();

    void activate(bool firstTime) override;
};
