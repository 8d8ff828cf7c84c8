#pragma once
// A font of bare quads for measuring and wrapping: 'a' to 'z' 5 pixels wide
// and 10 high, 'W' 11 wide, each followed by one pixel of spacing, so a
// letter advances 6 (a 'W' 12) and a space 4 (spaceWidth, no glyph).
#include "FontQuad.h"
#include "Quad.h"

#include <memory>
#include <vector>

struct TestFontQuads {
    std::vector<std::unique_ptr<Quad>> quads;
    FontQuad font;

    TestFontQuads()
    {
        for (int c = 'a'; c <= 'z'; ++c)
            glyph(c, 5.0f);
        glyph('W', 11.0f);
    }

    void glyph(int code, float width)
    {
        quads.push_back(std::make_unique<Quad>());
        quads.back()->setSize(width, 10.0f);
        quads.back()->setOriginLocation(7);
        font.symbolData[code].pQuad = quads.back().get();
        font.symbolData[code].spacing = 1;
        font.lineHeight = 10;
    }
};
