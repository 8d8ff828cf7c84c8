#pragma once
// A font of bare quads for measuring and wrapping: 'a' to 'z' 5 pixels wide
// and 10 high, 'W' 11 wide, each followed by one pixel of spacing, so a
// letter advances 6 (a 'W' 12) and a space 4 (spaceWidth, no glyph).
#include "QuadFont.h"

struct TestFontQuads : QuadFont {
    TestFontQuads()
    {
        font.lineHeight = 10;
        for (int c = 'a'; c <= 'z'; ++c)
            glyph(c, 5.0f, 10.0f);
        glyph('W', 11.0f, 10.0f);
    }
};
