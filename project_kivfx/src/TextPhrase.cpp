#include "TextPhrase.h"

#include "FontQuad.h"

TextPhrase::TextPhrase(const std::string& phraseText, FontQuad* font, UColor phraseColor)
    : text(phraseText), width(font->measure(phraseText).width), color(phraseColor)
{
}
