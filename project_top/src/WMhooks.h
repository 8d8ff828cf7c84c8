#pragma once
// The program's main loop entry and per-frame call: SDL_main pumps the SDL
// event queue, hands each event to handleWindowEvent and calls doFrame once
// per pass until the screen stack is empty or quit is requested; shutdown
// tears down the global object and the engine. Main thread only.
#include "UString.h"

union SDL_Event;

extern "C" int SDL_main(int argc, char* argv[]);
// One event as the main loop takes it: Alt+F4 and the window's close ask to
// quit, a press grabs the pointer, focus changes pause or resume the game,
// and the engine's input gets every event. True when the event asks to quit
// (the loop still runs the frame that follows, then ends).
bool handleWindowEvent(const SDL_Event& event);
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
