#pragma once
// StatusLine: the one line of help text at the bottom of the view that menu
// items and GUI items show while the mouse is over them, centred, in
// Global's small font. It holds nothing: the item that is under the mouse
// prints its text each frame. Main thread only; needs the loaded fonts.
#include <string>

class StatusLine {
public:
    // White, bottom edge 4 units above the view's bottom; with a black drop
    // shadow one unit down unless plain.
    static void print(const std::string& text, bool bPlain);
};
