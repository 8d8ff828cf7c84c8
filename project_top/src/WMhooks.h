#pragma once
// The program's main loop entry and per-frame call: SDL_main pumps the SDL
// event queue and calls doFrame once per pass until the screen stack is
// empty or quit is requested; shutdown tears down the global object and the
// engine. Main thread only.
#include "UString.h"

extern "C" int SDL_main(int argc, char* argv[]);
bool doFrame();
void windowMouseDown(int x, int y);
void windowFocusGained();
void windowFocusLost();
void shutdown();
// Runs xdg-open with the address as its single argument, no shell; waits for
// it. An empty address runs nothing.
void openWebPage(const UString& address);
// The fatal "Unhandled exception." report of doFrame; never returns.
[[noreturn]] void reportUnhandledException();
