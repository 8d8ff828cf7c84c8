#pragma once
// The game started in this test process the way SDL_main starts it: events
// pumped, doFrame called once per pass, in the generated game data
// (KIV_BINARY_DIR/data), a data folder of its own with one player and a
// 640 x 480 window, until the start screens have passed and the main menu is
// the active screen. The loader counts its steps once
// per process, so the start happens once; the tests share the running game.
// At the end of the program the game is shut down as the loop's end would,
// with a game still running on the stack, and what a player's machine is
// left with is checked.
#include "Context.h"
#include "WholeFile.h"

#include <string>

class MyContextMain;

namespace gametest {

struct GameRun {
    std::string home;
    std::string dataFolder;
    int framesToMainMenu = 0;
};

// Starts the game on first use.
const GameRun& gameRun();
// One pass of the main loop: pending events, then doFrame.
void pass();
MyContextMain* mainMenu();
Context* top();

}
