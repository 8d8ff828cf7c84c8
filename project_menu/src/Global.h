#pragma once
// Global: the game-wide object, reached through pGlobal and alive for the
// whole run. It owns the screen stack. (Minimal until the application shell
// lands.)
#include "UString.h"

class ContextManager;

class Global {
public:
    Global();
    virtual ~Global();

    // Everything that must exist before the loader's first frame.
    virtual void initPreLoader();

    ContextManager* pContextManager = nullptr;
    // A web page to open once the program has ended; empty for none.
    UString urlToOpenOnExit;
};

extern Global* pGlobal;
