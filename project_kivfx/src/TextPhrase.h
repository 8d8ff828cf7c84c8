#pragma once
// TextPhrase: a run of text in one colour, measured in one font; the pieces a
// TextLine cuts a line of colour markup into. It draws nothing: the screen
// that shows the line places and prints its phrases. Owned by its TextLine
// through the object tree. Main thread only.
#include "KivBase.h"
#include "UColor.h"
#include "UString.h"

#include <string>

class FontQuad;

class TextPhrase : public KivBase {
public:
    // "Draw in your own default colour": the markup value 000001, the only
    // colour a phrase carries whose alpha is not 255.
    static constexpr UColor DEFAULT_COLOR{0, 0, 1, 0};

    // Measures the text with the font; the font is not kept.
    TextPhrase(const std::string& phraseText, FontQuad* font, UColor phraseColor);

    // True when the phrase asks for the consumer's default colour.
    bool hasDefaultColor() const { return color == DEFAULT_COLOR; }

    UString text;
    int width = 0;
    UColor color;
};
