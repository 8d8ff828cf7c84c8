#pragma once
// MenuButtonLoadGame: the button of the saved-game question that resumes the
// current player's saved game in the game-mode controller that asked and
// closes the dialog showing it. Owned by that dialog through the object tree.
// Main thread only.
#include "MenuButton.h"

class GameController;

class MenuButtonLoadGame : public MenuButton {
public:
    MenuButtonLoadGame(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint);

    // Loads the saved game into the game (when there is one) and finishes
    // the active screen. No click sound: the game's own caption follows at
    // once.
    void click() override;

    // The controller that asked; not owned (it lies under the dialog).
    GameController* game = nullptr;
};
