#pragma once
// GameController: the screen that runs one game mode (action, quest or
// puzzle): houses, smileys, score, coins and lives. It makes itself
// MyGlobal's current game while its game runs. (Minimal until the game rules
// land: only the saved-game resumption that the load-game button calls.)
// Main thread only.
#include "Context.h"

class GameController : public Context {
public:
    GameController();
    ~GameController() override;

    // Restores the current player's saved game of this controller's mode.
    virtual void loadGame();
};
