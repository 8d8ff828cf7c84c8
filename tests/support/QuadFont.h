#pragma once
// A font of untextured quads for the tests that measure, wrap and lay out
// text without glyph images: each glyph a solid rectangle anchored at its
// top-left corner. The quads belong to the QuadFont and outlive its font.
#include "FontQuad.h"
#include "Quad.h"

#include <memory>
#include <vector>

struct QuadFont {
    std::vector<std::unique_ptr<Quad>> quads;
    FontQuad font;

    // code: a symbol number; spacing: pixels after the glyph.
    void glyph(int code, float width, float height, int spacing = 1)
    {
        quads.push_back(std::make_unique<Quad>());
        quads.back()->setSize(width, height);
        quads.back()->setOriginLocation(7);
        font.symbolData[code].pQuad = quads.back().get();
        font.symbolData[code].spacing = spacing;
    }
};
