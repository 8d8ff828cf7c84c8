#pragma once
// ContextManager: the stack of screens, itself the root context the engine
// ticks and renders each frame. The newest screen is active; only it is
// ticked and drawn. (Minimal until the screen stack lands.)
#include "Context.h"

class ContextManager : public Context {
    KIV_DECLARE_CLASS()
public:
    ContextManager();

    // Clears the screen's finished flag and puts it on top of the stack.
    void pushContext(Context* screen);
    Context* getActiveContext() const;
    void tick(double t, double dt) override;
    void render() override;

    // Set when the last screen has left the stack; stays set.
    bool bQuit = false;
};
