#pragma once
// ContextGametypes: the game-mode selection screen (action, quest, puzzle),
// pushed by the main menu's start button. (Minimal until the game scenes
// land: a back button that closes it.) Deletes itself when the stack pops
// it. Main thread only.
#include "ContextMenu.h"

class MenuButton;

class ContextGametypes : public ContextMenu {
public:
    // Needs the loaded fonts and GUI textures and Global's shared scenery.
    ContextGametypes();
    void tickContents(double t, double dt) override;

    // Owned through the object tree.
    MenuButton* pBackButton;
};
