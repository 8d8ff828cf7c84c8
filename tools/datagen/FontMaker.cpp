#include "FontMaker.h"

#include "Canvas.h"
#include "Paint.h"

#include <algorithm>
#include <cmath>

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
// black border round it, the mask dilated by `outline`.
Image inkGlyph(const std::vector<float>& coverage, int w, int h, double outline) {
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

// Where a glyph stands in a monospaced cell of width w: its advance centred.
int monoPen(int w, int advance) { return (w - advance) / 2; }

bool fitsMonoCell(int w, int advance, int left, int width, int rim) {
    const int pen = monoPen(w, advance);
    return pen + left >= rim && pen + left + width + rim <= w;
}

}  // namespace

void FontMaker::fitMonoCell(Ink& ink, int w, int rim) {
    const int width = std::min(ink.width, w - 2 * rim);
    if (width < ink.width) {
        // Each new column averages the old columns it covers.
        const double scale = static_cast<double>(ink.width) / width;
        std::vector<float> narrow(static_cast<size_t>(width) * ink.height, 0.0f);
        for (int y = 0; y < ink.height; ++y)
            for (int x = 0; x < width; ++x) {
                const double from = x * scale, to = (x + 1) * scale;
                double sum = 0;
                for (int s = static_cast<int>(from); s < ink.width && s < to; ++s)
                    sum += ink.coverage[static_cast<size_t>(y) * ink.width + s] *
                           (std::min(to, s + 1.0) - std::max(from, static_cast<double>(s)));
                narrow[static_cast<size_t>(y) * width + x] = static_cast<float>(sum / scale);
            }
        ink.coverage = narrow;
        ink.width = width;
    }
    ink.left = (w - width) / 2 - monoPen(w, ink.advance);
}

bool FontMaker::inkOf(int code, const Style& style, double symbolSize, Ink& ink) const {
    if (style.bOneCase && code >= 'A' && code <= 'Z')
        return false;
    std::vector<float> cov;
    int w = 0, h = 0, penX = 0, baseline = 0;
    if (isSpecial(code)) {
        // Drawn one pixel right of the pen, the box's foot on the baseline,
        // with room round the box for the strokes.
        const int margin = 3, box = static_cast<int>(std::ceil(symbolSize));
        w = box + 2 + 2 * margin;
        h = box + 2 * margin;
        penX = margin;
        baseline = margin + box;
        cov = coverageOf(Canvas::render(w, h, [&](cairo_t* cr) {
            cairo_translate(cr, penX + 1, baseline - symbolSize);
            drawSymbol(cr, code, symbolSize);
        }));
        ink.advance = box + 2;
    } else {
        FontFace& source = style.bMono ? monoFace : face;
        FontFace::Glyph g;
        if (!isFromFont(code) || !source.renderGlyph(unicodeOf(code), g) || g.width == 0)
            return false;
        w = g.width;
        h = g.height;
        penX = -g.left;
        baseline = g.top;
        cov.resize(g.coverage.size());
        std::transform(g.coverage.begin(), g.coverage.end(), cov.begin(), [](uint8_t c) { return c / 255.0f; });
        ink.advance = g.advance;
    }
    int x0 = w, y0 = h, x1 = 0, y1 = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (cov[static_cast<size_t>(y) * w + x] > 0) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x + 1);
                y1 = std::max(y1, y + 1);
            }
    if (x1 == 0)
        return false;
    ink.width = x1 - x0;
    ink.height = y1 - y0;
    ink.left = x0 - penX;
    ink.top = baseline - y0;
    ink.coverage.assign(static_cast<size_t>(ink.width) * ink.height, 0.0f);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            ink.coverage[static_cast<size_t>(y) * ink.width + x] = cov[static_cast<size_t>(y0 + y) * w + x0 + x];
    return true;
}

Image FontMaker::cell(int code, const Ink& ink, const Style& style, const Layout& layout) const {
    const int rim = dilationReach(rimOf(style));
    int w = layout.monoWidth, pen = monoPen(w, ink.advance);
    if (!w) {
        // The face's advance, widened where the ink and its rim reach beyond
        // it. Where the loader draws neighbours `shared` columns into each
        // other, the cell carries those columns too, half on each side.
        const int sharedLeft = style.shared / 2;
        const int left = std::min(-sharedLeft, ink.left - rim);
        const int right = std::max(ink.advance + style.shared - sharedLeft, ink.left + ink.width + rim);
        w = right - left;
        pen = -left;
    }
    const int h = layout.above + layout.below;
    std::vector<float> cov(static_cast<size_t>(w) * h, 0.0f);
    for (int y = 0; y < ink.height; ++y)
        for (int x = 0; x < ink.width; ++x)
            cov[static_cast<size_t>(layout.above - ink.top + y) * w + pen + ink.left + x] =
                ink.coverage[static_cast<size_t>(y) * ink.width + x];
    Image img = inkGlyph(cov, w, h, rimOf(style));
    if (style.bAccents && isAccentMark(code)) {
        // Accent marks hang above their letter: keep only their ink and rim.
        int x0 = w, y0 = h, x1 = -1, y1 = -1;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (img.alphaAt(x, y)) {
                    x0 = std::min(x0, x);
                    y0 = std::min(y0, y);
                    x1 = std::max(x1, x);
                    y1 = std::max(y1, y);
                }
        img = img.crop(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
    }
    return img;
}

std::vector<Image> FontMaker::drawFont(int firstCode, int lastCode, const Style& style) const {
    FontFace& source = style.bMono ? monoFace : face;
    source.setPixelSize(style.pixelSize);
    const FontFace::Metrics m = source.getMetrics();
    const int rim = dilationReach(rimOf(style));
    const int count = lastCode - firstCode + 1;
    std::vector<Ink> inks(static_cast<size_t>(count));
    std::vector<bool> drawn(static_cast<size_t>(count), false);
    const double symbolSize = m.ascender * 0.72;
    Layout layout;
    for (int code = firstCode; code <= lastCode; ++code)
        if (!isSpecial(code))
            drawn[code - firstCode] = inkOf(code, style, symbolSize, inks[code - firstCode]);
    if (style.bMono) {
        // One cell for every glyph: the face's advance with the rim on both
        // sides. A letter that does not fit it with its rim (its ink reaches
        // beyond the advance) is drawn narrower, in the cell's middle.
        for (int i = 0; i < count; ++i)
            layout.monoWidth = std::max(layout.monoWidth, drawn[i] ? inks[i].advance + 2 * rim : 0);
        for (int i = 0; i < count; ++i)
            if (drawn[i] && !fitsMonoCell(layout.monoWidth, inks[i].advance, inks[i].left, inks[i].width, rim))
                fitMonoCell(inks[i], layout.monoWidth, rim);
    }
    for (int code = firstCode; code <= lastCode; ++code) {
        if (!isSpecial(code))
            continue;
        // A symbol too wide for the monospaced cell is drawn smaller.
        Ink& ink = inks[code - firstCode];
        double size = symbolSize;
        drawn[code - firstCode] = inkOf(code, style, size, ink);
        while (style.bMono && size > 1.0 && !fitsMonoCell(layout.monoWidth, ink.advance, ink.left, ink.width, rim)) {
            size -= 0.5;
            inkOf(code, style, size, ink);
        }
    }
    // Room for the ascent and descent, or for the ink and its rim where
    // they reach further.
    layout.above = style.topPad + style.outline + m.ascender;
    layout.below = style.outline + m.descender;
    for (int i = 0; i < count; ++i)
        if (drawn[i]) {
            layout.above = std::max(layout.above, inks[i].top + rim);
            layout.below = std::max(layout.below, inks[i].height - inks[i].top + rim);
        }
    std::vector<Image> glyphs;
    for (int code = firstCode; code <= lastCode; ++code)
        glyphs.push_back(drawn[code - firstCode] ? cell(code, inks[code - firstCode], style, layout) : placeholder(1));
    return glyphs;
}

const std::vector<FontMaker::FontFile>& FontMaker::fonts() {
    // Style: pixel size, outline, top pad, one case, accents, monospaced,
    // halo, shared. The medium font's glyphs stand edge to edge (its string
    // cache copies them side by side), so its halo takes room between
    // letters: one pixel keeps its words tight. The small font has none,
    // since a halo would spread its letters as wide as its word spaces. The
    // large and HUD fonts overlap their neighbours (the loader's negative
    // spacing) by `shared`.
    static const std::vector<FontFile> all = {
        {{"gfx/font/font-tiny.tga"}, 33, 126, 0, {9}},
        {{"gfx/font/font-small.tga"}, 33, 126, 0, {12}},
        {{"gfx/font/font-medium.tga"}, 0, 255, 0, {15, 0, 2, false, true, false, 1.5}},
        {{"gfx/font/font-large-1.tga", "gfx/font/font-large-2.tga"}, 33, 126, 80, {27, 0, 0, true, false, false, 2, 2}},
        {{"gfx/font/font-hud.tga"}, 44, 129, 0, {21, 2, 0, true, false, false, 0, 4}},
        {{"gfx/font/font-blackoutline.tga"}, 33, 129, 0, {17, 2, 0, true, false, true}},
    };
    return all;
}

void FontMaker::generate(DataWriter& out) const {
    for (const FontFile& font : fonts()) {
        const std::vector<Image> glyphs = drawFont(font.firstCode, font.lastCode, font.style);
        for (size_t part = 0; part < font.paths.size(); ++part) {
            const int from = part ? font.split : font.firstCode;
            const int to = part + 1 < font.paths.size() ? font.split - 1 : font.lastCode;
            SpriteSheet sheet;
            for (int code = from; code <= to; ++code)
                sheet.addFrame(glyphs[static_cast<size_t>(code - font.firstCode)]);
            out.writeSheet(font.paths[part], sheet);
        }
    }
}
