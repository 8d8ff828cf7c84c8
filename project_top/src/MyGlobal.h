#pragma once
// MyGlobal: the game's own global object, the one the first frame creates
// and shutdown deletes. It fills the start-up hook (the puzzle solution sets,
// the main menu and the intro) and holds the game's run-wide state: the game
// controller now running and the puzzle solutions already drawn, so that a
// retried puzzle house keeps its solution. Main thread only.
#include "ClockRandom.h"
#include "Global.h"
#include "game/GameRegistry.h"

class GameController;
class Solution;

class MyGlobal : public Global, public GameRegistry {
public:

    MyGlobal();
    // Deletes the running game (taking it off the screen stack first) and
    // every stored solution, then the Global part goes.
    ~MyGlobal() override;

    // Registers the nine solution sets "solution3x3" to "solution7x7", then
    // pushes the main menu and the intro over it.
    void initGame() override;

    void setCurrentGame(GameController* game) override;
    GameController* currentGame() const override;
    Solution*& storedSolution(int level, int house) override;
    void pushEnding() override;

    // Set by a controller when its game starts, cleared when it is
    // deactivated; null otherwise. Owned while set.
    GameController* pCurrentGame = nullptr;
    // [level 0..3][house 0..99]; owned, filled once per house and kept.
    Solution* solutions[SOLUTION_LEVELS][SOLUTION_HOUSES] = {};
    // Where the intro draws the seed of what differs at every start: the
    // clock, unless whoever made the global object gave another source
    // before loading ended. Not owned.
    RandomSource* pIntroRandom = &ClockRandom::shared();
};

// pGlobal as the game's global object; null before the first frame.
MyGlobal* getMyGlobal();
