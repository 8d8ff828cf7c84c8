#pragma once
// Console: a history of printed lines (also logged) and the commands typed
// or sent by code: "debug %d" sets the debug level bits, "fontcache %d"
// turns the font cache on or off.
#include "UString.h"

#include <deque>

class Console {
public:
    Console();

    void print(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Runs one command line; false when it is not known.
    bool execute(const UString& command);
    void tick();
    // Draws the overlay when shown.
    void render();

    std::deque<UString> history;
    bool bShown = false;
    static constexpr size_t HISTORY_SIZE = 64;
};
