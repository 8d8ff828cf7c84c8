#include "TextParagraph.h"

#include "BasicLinkIterator.h"
#include "FontQuad.h"
#include "TextLine.h"

#include <algorithm>

TextParagraph::TextParagraph(std::string text, FontQuad* font, int maxWidth)
{
    if (text.empty())
        return;
    // The appended space ends the last word like any other.
    text += ' ';
    while (!text.empty()) {
        size_t end = 0;
        long last = -1;
        for (;;) {
            size_t from = static_cast<size_t>(last + 1);
            size_t bar = text.find('|', from);
            size_t space = text.find(' ', from);
            if (bar == std::string::npos && space == std::string::npos) {
                end = text.size() - 1;
                break;
            }
            bool forced = bar != std::string::npos && (space == std::string::npos || bar < space);
            size_t candidate = forced ? bar : space;
            if (font->measureMarkup(text.substr(0, candidate)).width > maxWidth) {
                // Break after the last word that fit; a first word too wide
                // for the line keeps its whole width on a line of its own.
                end = last > 0 ? static_cast<size_t>(last) : candidate;
                break;
            }
            if (forced) {
                end = candidate;
                break;
            }
            last = static_cast<long>(candidate);
        }
        addChildLast(new TextLine(text.substr(0, end), font));
        text.erase(0, end + 1);
    }
    BasicLinkIterator it(this);
    while (KivBase* child = it.next())
        width = std::max(width, static_cast<TextLine*>(child)->width);
}
