#pragma once
// The program's main loop entry and per-frame call: SDL_main pumps the SDL
// event queue and calls doFrame once per pass until the screen stack is
// empty or quit is requested; shutdown tears down the global object and the
// engine. Main thread only.

extern "C" int SDL_main(int argc, char* argv[]);
bool doFrame();
void windowMouseDown(int x, int y);
void windowFocusGained();
void windowFocusLost();
void shutdown();
