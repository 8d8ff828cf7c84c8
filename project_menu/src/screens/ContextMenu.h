#pragma once
// ContextMenu: base class of every menu screen. It adds nothing to Context:
// each menu screen builds its items in its own constructor, makes Global's
// shared ContextPre its background context and overrides the Context
// operations it needs. Owned by whoever pushes it, like any screen.
// Main thread only.
#include "Context.h"

class ContextMenu : public Context {
public:
    ContextMenu() = default;
};
