#pragma once
// FontMaker: rasterises the game's seven bitmap fonts into glyph sheets,
// one glyph per skin in code order, as the engine's font loader reads them:
// special symbols live on the low codes, the skin that would fall on the
// space is a placeholder, and fonts with one case carry placeholders for
// A-Z (the loader copies a-z over them). Every glyph cell has the line's
// full height and holds all the glyph draws, its dark rim (outline or halo)
// included, which would otherwise be cut straight off at the cell's edge.
// A cell is as wide as the face's advance, and wider only where the ink and
// its rim need it; where the loader overlaps neighbouring glyphs (a negative
// spacing), the cell carries the shared columns as well. So letters sit as
// the face spaces them, a rim's width apart where the face sets them
// closer. The outline font's glyphs are drawn from their top centre while
// the pen advances by their width, so it is monospaced: every glyph fills
// one cell of the same width. The medium and large fonts, drawn over the
// scenery, carry a dark halo, so that they read over any background.
#include "DataWriter.h"
#include "FontFace.h"
#include "Image.h"

#include <algorithm>
#include <string>
#include <vector>

class FontMaker {
public:
    struct Style {
        int pixelSize = 12;
        int outline = 0;       // black outline width in pixels; 0 = plain white
        int topPad = 0;        // free rows above the ascender (room for accents)
        bool bOneCase = false;  // A-Z are placeholders
        bool bAccents = false;  // the accent marks are cropped to their ink
        bool bMono = false;     // the monospaced face, every glyph one cell wide
        // Dark rim round the glyph's ink, the radius it is dilated by.
        double halo = 0;
        int shared = 0;  // columns the loader overlaps neighbours by
    };
    // One font's glyph sheets: codes firstCode to lastCode, a second sheet,
    // if any, starting at `split`.
    struct FontFile {
        std::vector<std::string> paths;
        int firstCode, lastCode, split;
        Style style;
    };
    // Every font the generator makes, as it makes it.
    static const std::vector<FontFile>& fonts();

    FontMaker(FontFace& textFace, FontFace& monospacedFace) : face(textFace), monoFace(monospacedFace) {}
    void generate(DataWriter& out) const;

private:
    // The radius the ink is dilated by for its rim; 0: no rim.
    static double rimOf(const Style& style) { return std::max<double>(style.outline, style.halo); }
    // One code's ink before its rim, placed against the pen and the baseline.
    struct Ink {
        std::vector<float> coverage;  // width * height, 0..1
        int width = 0;
        int height = 0;
        int left = 0;     // first column, right of the pen
        int top = 0;      // first row, above the baseline
        int advance = 0;  // how far the pen moves on
    };
    // What every cell of a font shares: rows above and below the baseline,
    // and the width of a monospaced font's cells (0: proportional).
    struct Layout {
        int above = 0;
        int below = 0;
        int monoWidth = 0;
    };
    // False for codes the font does not draw; symbolSize is the box the
    // special symbols are drawn in.
    bool inkOf(int code, const Style& style, double symbolSize, Ink& ink) const;
    // Narrows the ink, where it must, and centres it, so that it fits a
    // monospaced cell of width w with its rim.
    static void fitMonoCell(Ink& ink, int w, int rim);
    // The glyph image of a drawn code.
    Image cell(int code, const Ink& ink, const Style& style, const Layout& layout) const;
    // The glyph images of codes firstCode to lastCode, in code order.
    std::vector<Image> drawFont(int firstCode, int lastCode, const Style& style) const;
    FontFace& face;
    FontFace& monoFace;
};
