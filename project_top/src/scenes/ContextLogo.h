#pragma once
// ContextLogo: the intro cut-scene, pushed over the main menu at start-up.
// (Minimal until the game scenes land: it finishes as soon as it is first
// ticked.) Deletes itself when the stack pops it. Main thread only.
#include "Context.h"

class ContextLogo : public Context {
public:
    ContextLogo();
    void tickContents(double t, double dt) override;
};
