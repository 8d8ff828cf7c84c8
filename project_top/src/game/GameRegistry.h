#pragma once
// GameRegistry: what the program keeps of the game being played, beyond the
// game itself: which controller is running (so that shutdown can end it),
// the puzzle solutions drawn so far (so that a retried or continued puzzle
// house keeps its solution), and the way to the screens a game leads to
// that lie above the game (the ending). The game's global object implements
// it; a controller registers itself there when its game starts and leaves
// when its screen closes. Main thread only.
class Global;
class GameController;
class Solution;

class GameRegistry {
public:
    // Difficulty levels and houses per game that solutions are kept for.
    static constexpr int SOLUTION_LEVELS = 4;
    static constexpr int SOLUTION_HOUSES = 100;

    // The registry of the program's global object; null when it keeps none.
    static GameRegistry* of(Global* global);

    // The running controller (not owned here: the screen stack owns it); null
    // when none runs.
    virtual void setCurrentGame(GameController* game) = 0;
    virtual GameController* currentGame() const = 0;
    // The solution kept for level 0..SOLUTION_LEVELS-1 and house
    // 0..SOLUTION_HOUSES-1; null until one is stored. What is stored is
    // owned by the registry.
    virtual Solution*& storedSolution(int level, int house) = 0;
    // Pushes the ending cut-scene on the screen stack (the stack owns it).
    virtual void pushEnding() = 0;

protected:
    ~GameRegistry() = default;
};
