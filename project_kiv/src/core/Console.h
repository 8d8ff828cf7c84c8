#pragma once
// Console: the engine's diagnostic console. print() adds a line to its
// history and to the log. While debug output is unlocked, the key left of 1
// (`) opens it: typed characters build an input line that Return runs as a
// command. Commands: "debug %d" sets the engine's debug level bits,
// "fontcache %d" turns the rendered-string cache off (0) or on (1) through
// the handler the font cache registers. Owned by Kiv; main thread only.
#include "UString.h"

#include <deque>

class Console {
public:
    using FontCacheHandler = void (*)(int enabled);
    static constexpr size_t HISTORY_SIZE = 64;
    // DirectInput code of the key that opens and closes the console.
    static constexpr int TOGGLE_KEY = 41;

    Console();
    Console(const Console&) = delete;
    Console& operator=(const Console&) = delete;

    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Runs one command line; false (and a printed complaint) when unknown.
    bool execute(const UString& command);
    // Opening, closing and typing; once per frame.
    void tick();
    // Draws the history and the input line over the frame while open.
    void render();

    // The font cache registers itself here; null when there is none.
    static FontCacheHandler fontCacheHandler;

    std::deque<UString> history;
    UString inputLine;
    bool bShown = false;
};
