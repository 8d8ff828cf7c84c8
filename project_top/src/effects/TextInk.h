#pragma once
// TextInk: where a font's glyphs land when it prints a text, measured
// without drawing, so that a caption can be judged against what covers it
// before it is drawn. No state; main thread only.
#include "effects/ViewBox.h"

#include <string>

class FontQuad;
class RenderableText;

class TextInk {
public:
    TextInk() = delete;

    // The box the glyphs of text cover when font prints it with the print
    // flags (FontQuad::PrintFlags) at the origin, unscaled; false, and ink
    // untouched, when no glyph is inked. ink must not be null.
    static bool measure(const FontQuad& font, int flags, const std::string& text, ViewBox* ink);
    // The box the glyphs of text cover as it is drawn now, in the units of
    // its layer; false, and ink untouched, while it does not show or inks
    // nothing. ink must not be null.
    static bool measureShown(const RenderableText& text, ViewBox* ink);
};
