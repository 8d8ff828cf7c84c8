#include "TextLine.h"

#include "BasicLinkIterator.h"
#include "ErrorManager.h"
#include "FontQuad.h"
#include "TextPhrase.h"

#include <cctype>

namespace {
constexpr size_t MARKUP_LENGTH = FontQuad::MARKUP_LENGTH;
} // namespace

TextLine::TextLine(std::string text, FontQuad* font)
{
    UColor color = TextPhrase::DEFAULT_COLOR;
    while (!text.empty()) {
        size_t marker = text.find(static_cast<char>(FontQuad::MARKUP));
        std::string piece = text.substr(0, marker);
        text.erase(0, marker == std::string::npos ? text.size() : marker + 1);
        if (!piece.empty())
            addChildLast(new TextPhrase(piece, font, color));
        if (marker == std::string::npos)
            break;
        // A marker with fewer than eight characters after it is as malformed
        // as one with a wrong character.
        std::string markup = text.substr(0, MARKUP_LENGTH);
        text.erase(0, MARKUP_LENGTH);
        if (markup.size() < MARKUP_LENGTH || !readMarkup(markup, color))
            KIV_ERROR("Couldn't extract markup from line '%s'", markup.c_str());
    }
    BasicLinkIterator it(this);
    while (KivBase* child = it.next())
        width += static_cast<TextPhrase*>(child)->width;
}

bool TextLine::readMarkup(const std::string& markup, UColor& color)
{
    if (markup.empty() || markup[0] != '{')
        return false;
    uint32_t value = 0;
    size_t digits = 0;
    for (size_t i = 1; i < markup.size() && i < MARKUP_LENGTH && std::isxdigit(static_cast<unsigned char>(markup[i]));
         ++i, ++digits) {
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(markup[i])));
        value = value << 4 | static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    if (digits == 0)
        return false;
    if (value == 1)
        color = TextPhrase::DEFAULT_COLOR;
    else
        color = UColor(static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value), 255);
    return true;
}
