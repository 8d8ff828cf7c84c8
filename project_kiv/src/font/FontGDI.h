#pragma once
// FontGDI: one line of diagnostic text at a display pixel, drawn with a small
// bitmap font built into the program, so the console and the statistics
// overlay work from the first frame on, before anything is loaded. The engine
// object creates one at start-up (after audio, before the console) and
// deletes it at shutdown. It keeps no OpenGL objects: its glyphs go to the
// display as OpenGL bitmaps (glRasterPos, glBitmap), the one drawing that
// does not pass through VertexBuffer, so that it needs no texture. Main
// thread only, inside the engine frame after the screens have rendered.
#include "KivBase.h"

#include <cstdint>

class FontGDI : public KivBase {
    KIV_DECLARE_CLASS()
public:
    static constexpr int GLYPH_HEIGHT = 9;
    static constexpr int CODE_COUNT = 128;

    FontGDI();
    ~FontGDI() override;
    FontGDI(const FontGDI&) = delete;
    FontGDI& operator=(const FontGDI&) = delete;

    // Draws the printf-style text as one line whose top-left corner is the
    // display pixel (x, y), counted from the display's top-left corner. Bytes
    // of 128 or more show the replacement glyph; line breaks do not break.
    void printf(int x, int y, const char* format, ...) __attribute__((format(printf, 4, 5)));
    // Nothing: the font holds nothing the display could lose.
    void onKIVmodeChange(int oldMode, int newMode) override;

    // Width in pixels of the glyph of a code 0..127; the advance is one more.
    static int glyphWidth(int code);
    // The 9 rows of a glyph, bottom row first, the leftmost pixel the most
    // significant bit.
    static const uint8_t* glyphRows(int code);
};
