#pragma once
// TextLine: one line of text with colour markup, cut into TextPhrase
// children in reading order. Markup is the byte 0x1E followed by eight
// characters "{RRGGBB}"; a colour lasts until the next change or the end of
// the line, and every line starts in the default colour
// (TextPhrase::DEFAULT_COLOR). Made by TextParagraph; the consumer walks the
// phrases and draws them. Main thread only.
#include "KivBase.h"
#include "UColor.h"

#include <string>

class FontQuad;

class TextLine : public KivBase {
public:
    // Parses the line; malformed markup is fatal ("Couldn't extract markup
    // from line '%s'").
    TextLine(std::string text, FontQuad* font);

    // The colour that markup characters (the eight after 0x1E) stand for.
    // False when they are not "{" followed by at least one hexadecimal digit.
    static bool readMarkup(const std::string& markup, UColor& color);

    // Sum of the phrases' widths, pixels.
    int width = 0;
};
