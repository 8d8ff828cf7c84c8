#pragma once
// ContextGametypes: the game-mode selection screen, pushed by the main menu's
// start button over itself. It shows a title, one button per game mode
// (action, quest, puzzle, in the order of the game-mode index) and a back
// button. Choosing a mode creates that mode's controller, pushes it, starts
// it and closes this screen; Back or Escape only close it. The screen stack
// ticks it and deletes it when it is finished. Main thread only.
#include "ContextMenu.h"

class MenuButton;

class ContextGametypes : public ContextMenu {
public:
    // Needs the loaded fonts and GUI textures and Global's shared scenery;
    // the texts are the current language's.
    ContextGametypes();

    // The buttons' own updates, then the chosen mode, if any, is started.
    void tickContents(double t, double dt) override;

    // Not owned: children of the screen.
    MenuButton* actionButton = nullptr;
    MenuButton* questButton = nullptr;
    MenuButton* puzzleButton = nullptr;
};
