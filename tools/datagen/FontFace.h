#pragma once
// FontFace: one FreeType face of the free font the game's text is drawn
// with (DejaVu Sans Bold from Debian's fonts-dejavu-core). The only class
// that talks to FreeType; it hands out rendered glyph coverage and a cairo
// font face for titles drawn as vector paths.
#include <cairo.h>
#include <cstdint>
#include <string>
#include <vector>

class FontFace {
public:
    explicit FontFace(const std::string& fontFile);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    struct Metrics {
        int ascender = 0;   // pixels above the baseline
        int descender = 0;  // pixels below the baseline (positive)
    };
    struct Glyph {
        int width = 0;      // coverage bitmap size: the ink's box, no
        int height = 0;     // empty rows or columns round it
        int left = 0;       // bitmap offset from the pen
        int top = 0;        // bitmap top above the baseline
        int advance = 0;    // pixels
        std::vector<uint8_t> coverage;  // width * height, 0..255
    };

    void setPixelSize(int pixels);
    Metrics getMetrics() const;
    // False when the font has no glyph for the code point.
    bool renderGlyph(uint32_t codePoint, Glyph& glyph) const;
    // A cairo font face over the same FreeType face; owned by this object.
    cairo_font_face_t* cairoFace();

private:
    struct Impl;
    Impl* pImpl;
};
