#pragma once
// The program's main loop entry and per-frame call: SDL_main runs passes of
// its loop (runLoopPass: a termination request taken as a window's close,
// the window's events, each through handleWindowEvent, then doFrame) until
// the screen stack is empty or quit is requested; shutdown tears down the
// global object and the engine, which makes the exit saves (no termination
// request cuts them short: ProgramEnd.h), then lets go of the data folder
// and opens the web page asked for, unless a request kept during the saves
// ends the program first. The first doFrame starts the program (startGame)
// on the program's host. Main thread only.
#include "UString.h"

union SDL_Event;
struct KivHost;

extern "C" int SDL_main(int argc, char* argv[]);
// Where a pass reads the window's events: true with the next one waiting,
// false when none waits. The program's is SDL's queue (pollWindowEvent).
using WindowEventSource = bool (*)(SDL_Event& event);
bool pollWindowEvent(SDL_Event& event);
// One pass of the main loop: a termination request not yet taken
// (ProgramEnd::takeRequest) handled as the window's close event, every
// event the source has waiting handled, then one frame. False when the loop
// ends: the screen stack has emptied, or the request or an event of the
// pass asked to quit (its frame still runs).
bool runLoopPass(WindowEventSource nextEvent);
// What the first frame starts with: the engine on the host (the program's
// is KivHost::desktop(); the host must outlive the engine), the handler of
// a lost display, the game's global object and its pre-loading set-up,
// then "Entering game loop." in the log. Once, before any frame.
void startGame(const KivHost& host);
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
