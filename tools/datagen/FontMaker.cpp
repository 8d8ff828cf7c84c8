#include "FontMaker.h"

#include "Canvas.h"
#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace paint;

namespace {

bool isAccentMark(int code) {
    return code == 96 || code == 180 || code == 136 || code == 152 || code == 168 || code == 176;
}

// Windows-1252 codes the fonts draw from the font file.
uint32_t unicodeOf(int code) {
    switch (code) {
    case 127: return 0x0131;  // dotless i: the base of the accented i letters
    case 136: return 0x02C6;
    case 152: return 0x02DC;
    default: return static_cast<uint32_t>(code);
    }
}

bool isFromFont(int code) {
    return (code >= 33 && code <= 127) || isAccentMark(code) || code == 184;
}

bool isSpecial(int code) { return (code >= 1 && code <= 10) || code == 0x80 || code == 0x81; }

// White shapes of the symbols the texts put on low codes, drawn in a box
// of size s (cap height) with its top-left at (0, 0).
void drawSymbol(cairo_t* cr, int code, double s) {
    const double w = s * 0.16;
    cairo_set_line_width(cr, w);
    setColour(cr, kWhite);
    auto arrow = [&](double angle) {
        cairo_save(cr);
        cairo_translate(cr, s / 2, s / 2);
        cairo_rotate(cr, angle);
        cairo_move_to(cr, -s * 0.42, 0);
        cairo_line_to(cr, s * 0.38, 0);
        cairo_move_to(cr, s * 0.08, -s * 0.32);
        cairo_line_to(cr, s * 0.42, 0);
        cairo_line_to(cr, s * 0.08, s * 0.32);
        cairo_restore(cr);
        cairo_stroke(cr);
    };
    switch (code) {
    case 1:  // check mark
        cairo_move_to(cr, s * 0.08, s * 0.55);
        cairo_line_to(cr, s * 0.38, s * 0.85);
        cairo_line_to(cr, s * 0.95, s * 0.12);
        cairo_set_line_width(cr, w * 1.3);
        cairo_stroke(cr);
        break;
    case 2:  // cancel: a cross in a ring
        circlePath(cr, s / 2, s / 2, s * 0.44);
        cairo_stroke(cr);
        cairo_move_to(cr, s * 0.32, s * 0.32);
        cairo_line_to(cr, s * 0.68, s * 0.68);
        cairo_move_to(cr, s * 0.68, s * 0.32);
        cairo_line_to(cr, s * 0.32, s * 0.68);
        cairo_stroke(cr);
        break;
    case 3: arrow(M_PI); break;
    case 4: arrow(0); break;
    case 5: arrow(-M_PI / 2); break;
    case 6: arrow(M_PI / 2); break;
    case 7:  // chooser left
        cairo_move_to(cr, s * 0.8, s * 0.08);
        cairo_line_to(cr, s * 0.15, s * 0.5);
        cairo_line_to(cr, s * 0.8, s * 0.92);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 8:  // chooser right
        cairo_move_to(cr, s * 0.2, s * 0.08);
        cairo_line_to(cr, s * 0.85, s * 0.5);
        cairo_line_to(cr, s * 0.2, s * 0.92);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case 9:  // back: a hooked arrow turning left
        cairo_new_sub_path(cr);
        cairo_arc(cr, s * 0.55, s * 0.55, s * 0.32, -M_PI / 2, M_PI / 2);
        cairo_line_to(cr, s * 0.25, s * 0.87);
        cairo_stroke(cr);
        cairo_move_to(cr, s * 0.45, s * 0.02);
        cairo_line_to(cr, s * 0.12, s * 0.23);
        cairo_line_to(cr, s * 0.45, s * 0.44);
        cairo_close_path(cr);
        cairo_fill(cr);
        cairo_move_to(cr, s * 0.55, s * 0.23);
        cairo_line_to(cr, s * 0.3, s * 0.23);
        cairo_stroke(cr);
        break;
    case 10:  // next: a double chevron
        for (double x : {0.1, 0.5}) {
            cairo_move_to(cr, s * x, s * 0.15);
            cairo_line_to(cr, s * (x + 0.35), s * 0.5);
            cairo_line_to(cr, s * x, s * 0.85);
        }
        cairo_stroke(cr);
        break;
    case 0x80:  // the ring round the multiplier
        circlePath(cr, s / 2, s / 2, s * 0.42);
        cairo_stroke(cr);
        break;
    default:  // 0x81: the times sign
        cairo_move_to(cr, s * 0.2, s * 0.3);
        cairo_line_to(cr, s * 0.8, s * 0.9);
        cairo_move_to(cr, s * 0.8, s * 0.3);
        cairo_line_to(cr, s * 0.2, s * 0.9);
        cairo_stroke(cr);
        break;
    }
}

// Turns a coverage mask into the glyph image: white ink, and with a rim a
// black border `outline` pixels wide round it (clipped at the cell's edges).
Image inkGlyph(const std::vector<float>& coverage, int w, int h, int outline) {
    const std::vector<float> rim = outline > 0 ? dilated(coverage, w, h, outline) : coverage;
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t at = static_cast<size_t>(y) * w + x;
            const float fill = coverage[at];
            const float alpha = std::max(fill, rim[at]);
            const uint8_t grey =
                outline > 0 ? static_cast<uint8_t>(alpha > 0 ? std::lround(255 * fill / alpha) : 0) : 255;
            out.setPixel(x, y, grey, grey, grey, static_cast<uint8_t>(std::lround(alpha * 255)));
        }
    return out;
}

Image placeholder(int height) {
    Image img(1, std::max(1, height));
    for (int y = 0; y < img.getHeight(); ++y)
        img.setPixel(0, y, 255, 255, 255, 0);
    return img;
}

}  // namespace

int FontMaker::monoCellWidth(const Style& style) const {
    monoFace.setPixelSize(style.pixelSize);
    FontFace::Glyph g;
    if (!monoFace.renderGlyph('0', g))
        throw std::runtime_error("the monospaced face has no digits");
    return g.advance + 2 * style.outline - 1;
}

Image FontMaker::glyph(int code, const Style& style) const {
    FontFace& source = style.bMono ? monoFace : face;
    source.setPixelSize(style.pixelSize);
    const FontFace::Metrics m = source.getMetrics();
    const int pad = style.outline;
    const int lineHeight = style.topPad + m.ascender + m.descender + 2 * pad;
    const int baseline = style.topPad + pad + m.ascender;
    const int rim = std::max(style.outline, style.halo);
    if (style.bOneCase && code >= 'A' && code <= 'Z')
        return placeholder(1);
    if (isSpecial(code)) {
        const double s = m.ascender * 0.72;
        const int drawnWidth = static_cast<int>(std::ceil(s)) + 2 + 2 * pad;
        const int w = style.bMono ? monoCellWidth(style) : drawnWidth;
        const Image drawn = Canvas::render(w, lineHeight, [&](cairo_t* cr) {
            cairo_translate(cr, (w - drawnWidth) / 2 + pad + 1, baseline - s);
            drawSymbol(cr, code, s);
        });
        return inkGlyph(coverageOf(drawn), w, lineHeight, rim);
    }
    FontFace::Glyph g;
    if (!isFromFont(code) || !source.renderGlyph(unicodeOf(code), g))
        return placeholder(1);
    // Where the pen stands in the cell: a monospaced cell centres the face's
    // advance, a proportional one makes room for ink left of the pen.
    int w = 0, pen = 0;
    if (style.bMono) {
        w = monoCellWidth(style);
        pen = (w - g.advance) / 2;
    } else {
        const int shift = std::max(0, -g.left);
        w = std::max(g.advance, g.left + shift + g.width) + shift + 2 * pad;
        pen = pad + shift;
    }
    std::vector<float> cov(static_cast<size_t>(w) * lineHeight, 0.0f);
    for (int y = 0; y < g.height; ++y)
        for (int x = 0; x < g.width; ++x) {
            const int cx = pen + g.left + x, cy = baseline - g.top + y;
            if (cx < 0 || cy < 0 || cx >= w || cy >= lineHeight)
                continue;
            cov[static_cast<size_t>(cy) * w + cx] = g.coverage[static_cast<size_t>(y) * g.width + x] / 255.0f;
        }
    Image img = inkGlyph(cov, w, lineHeight, rim);
    if (style.bAccents && isAccentMark(code)) {
        // Accent marks hang above their letter: keep only their ink and rim.
        int x0 = w, y0 = lineHeight, x1 = -1, y1 = -1;
        for (int y = 0; y < lineHeight; ++y)
            for (int x = 0; x < w; ++x)
                if (img.alphaAt(x, y)) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        if (x1 >= 0)
            img = img.crop(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    }
    return img;
}

void FontMaker::writeFont(DataWriter& out, const std::string& path, int firstCode, int lastCode,
                          const Style& style) const {
    std::vector<Image> glyphs;
    for (int code = firstCode; code <= lastCode; ++code)
        glyphs.push_back(glyph(code, style));
    SpriteSheet sheet;
    for (const Image& g : glyphs)
        sheet.addFrame(g);
    out.writeSheet(path, sheet);
}

void FontMaker::generate(DataWriter& out) const {
    struct FontFile {
        const char* path;
        int firstCode, lastCode;
        Style style;  // pixel size, outline, top pad, one case, accents, monospaced, halo
    };
    const FontFile fonts[] = {
        {"gfx/font/font-tiny.tga", 33, 126, {9}},
        {"gfx/font/font-small.tga", 33, 126, {12, 0, 0, false, false, false, 1}},
        {"gfx/font/font-medium.tga", 0, 255, {15, 0, 2, false, true, false, 2}},
        {"gfx/font/font-large-1.tga", 33, 79, {27, 0, 0, true, false, false, 2}},
        {"gfx/font/font-large-2.tga", 80, 126, {27, 0, 0, true, false, false, 2}},
        {"gfx/font/font-hud.tga", 44, 129, {21, 2, 0, true}},
        {"gfx/font/font-blackoutline.tga", 33, 129, {17, 2, 0, true, false, true}},
    };
    for (const FontFile& font : fonts)
        writeFont(out, font.path, font.firstCode, font.lastCode, font.style);
}
