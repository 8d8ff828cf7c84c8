#pragma once
// TextParagraph: word-wraps a text with colour markup into TextLine children
// no wider than a given width in a given font. Lines break at spaces; '|'
// forces a break; a word wider than the width gets a line of its own.
// Spacing and alignment of the lines belong to the consumer (the dialog, the
// message viewer). Main thread only.
#include "KivBase.h"

#include <string>

class FontQuad;

class TextParagraph : public KivBase {
public:
    TextParagraph(std::string text, FontQuad* font, int maxWidth);

    // The widest line's width, pixels; 0 without lines.
    int width = 0;
};
