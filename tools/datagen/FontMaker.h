#pragma once
// FontMaker: rasterises the game's seven bitmap fonts into glyph sheets,
// one glyph per skin in code order, as the engine's font loader reads them:
// every glyph cell has the line's full height and the glyph's full advance,
// special symbols live on the low codes, the skin that would fall on the
// space is a placeholder, and fonts with one case carry placeholders for
// A-Z (the loader copies a-z over them). The outline font's glyphs are drawn
// from their top centre while the pen advances by their width, so it is
// monospaced: every glyph fills one cell of the same width and a caption
// reads evenly spaced. The fonts drawn over the scenery carry a dark halo
// inside their cells, so that they read over any background.
#include "DataWriter.h"
#include "FontFace.h"
#include "Image.h"

#include <string>
#include <vector>

class FontMaker {
public:
    FontMaker(FontFace& textFace, FontFace& monospacedFace) : face(textFace), monoFace(monospacedFace) {}
    void generate(DataWriter& out) const;

private:
    struct Style {
        int pixelSize = 12;
        int outline = 0;       // black outline width in pixels; 0 = plain white
        int topPad = 0;        // free rows above the ascender (room for accents)
        bool bOneCase = false;  // A-Z are placeholders
        bool bAccents = false;  // the accent marks are cropped to their ink
        bool bMono = false;     // the monospaced face, every glyph one cell wide
        int halo = 0;           // dark rim in pixels inside the glyph's own cell
    };
    // The glyph image for one code of the Windows-1252 table, or a
    // placeholder for codes the font does not draw.
    Image glyph(int code, const Style& style) const;
    void writeFont(DataWriter& out, const std::string& path, int firstCode, int lastCode,
                   const Style& style) const;
    // Width of every glyph of a monospaced style: the face's advance and the
    // outline on both sides, less a pixel that neighbouring outlines share.
    int monoCellWidth(const Style& style) const;
    FontFace& face;
    FontFace& monoFace;
};
