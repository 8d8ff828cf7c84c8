#pragma once
// ContextUserManager: the player list screen (select, add and delete
// players). (Minimal until the player screens land: it finishes as soon as
// it is shown.) Deletes itself when finished. Main thread only.
#include "ContextMenu.h"

class ContextUserManager : public ContextMenu {
public:
    ContextUserManager();

    void activate(bool firstTime) override;
};
