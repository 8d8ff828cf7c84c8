#include "BasicLinkIterator.h"
#include "TestFontQuads.h"
#include "TextParagraph.h"
#include "TextPhrase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Each line as its phrases' texts joined.
std::vector<std::string> linesOf(TextParagraph& paragraph)
{
    std::vector<std::string> lines;
    BasicLinkIterator it(&paragraph);
    while (KivBase* child = it.next()) {
        std::string text;
        BasicLinkIterator phrases(child);
        while (KivBase* phrase = phrases.next())
            text += static_cast<TextPhrase*>(phrase)->text;
        lines.push_back(text);
    }
    return lines;
}

TEST(TextParagraph, WrapsAtSpacesAndBars)
{
    TestFontQuads test;
    // "one" 18, "one two" 40, "one two three" 74, "abcdefghij" 60.
    struct Case { std::string text; int maxWidth; std::vector<std::string> lines; int width; };
    const Case cases[] = {
        {"", 100, {}, 0},
        {"one two three", 40, {"one two", "three"}, 40},
        {"one two three", 39, {"one", "two", "three"}, 30},
        {"abcdefghij klm", 30, {"abcdefghij", "klm"}, 60},
        {"first|second", 1000, {"first", "second"}, 36},
        {"a|", 1000, {"a", ""}, 6},
        {"one  two", 30, {"one ", "two"}, 22},
        {"aaaa bbbb|cc", 30, {"aaaa", "bbbb", "cc"}, 24},
        {"\x1E{FF0000}red words here", 55, {"red words", "here"}, 52},
    };
    for (const Case& c : cases) {
        TextParagraph paragraph(c.text, &test.font, c.maxWidth);
        EXPECT_EQ(linesOf(paragraph), c.lines) << '"' << c.text << "\" in " << c.maxWidth;
        EXPECT_EQ(paragraph.width, c.width) << '"' << c.text << "\" in " << c.maxWidth;
    }
}

} // namespace
