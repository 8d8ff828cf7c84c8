#pragma once
// ContextMain: the main menu, over the shared scenery (Global's ContextPre)
// and under its foreground layer (ContextPost). It stays on the stack for the
// whole run under every game screen; when it finishes, the stack runs down
// and the program ends. Its start button calls onButtonStart, which the game
// fills. (Minimal until the menu screens land: a start button and a quit
// button.) Deletes itself when the stack pops it. Main thread only.
#include "ContextMenu.h"

class MenuButton;

class ContextMain : public ContextMenu {
public:
    // Needs the loaded fonts and GUI textures and Global's shared contexts.
    ContextMain();

    // The buttons, then what their clicks ask for.
    void tickContents(double t, double dt) override;
    // Called when the start button is clicked; nothing here.
    virtual void onButtonStart();

    // Owned through the object tree.
    MenuButton* pStartButton;
    MenuButton* pQuitButton;
};
