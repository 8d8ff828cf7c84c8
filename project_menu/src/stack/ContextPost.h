#pragma once
// ContextPost: the shared layer drawn in front of the main menu (its
// foreground context). It has no children, so it draws nothing of its own.
// Global creates the one instance after loading and owns it; it is never
// pushed on the screen stack. Main thread only.
#include "Context.h"

class ContextPost : public Context {
public:
    ContextPost() = default;
};
