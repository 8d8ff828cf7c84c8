#include "BasicLinkIterator.h"
#include "TestFontQuads.h"
#include "TextLine.h"
#include "TextPhrase.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Phrase { std::string text; UColor color; int width; };

std::vector<Phrase> phrasesOf(TextLine& line)
{
    std::vector<Phrase> phrases;
    BasicLinkIterator it(&line);
    while (KivBase* child = it.next()) {
        auto* phrase = static_cast<TextPhrase*>(child);
        phrases.push_back({phrase->text, phrase->color, phrase->width});
    }
    return phrases;
}

const UColor DEFAULT = TextPhrase::DEFAULT_COLOR;

TEST(TextLine, MarkupCutsTheLineIntoColouredPhrases)
{
    TestFontQuads test;
    struct Case { std::string text; std::vector<Phrase> phrases; };
    const Case cases[] = {
        {"plain text", {{"plain text", DEFAULT, 58}}},
        {"\x1E{FF0000}Red\x1E{000001} rest", {{"Red", UColor(255, 0, 0, 255), 16}, {" rest", DEFAULT, 28}}},
        {"\x1E{ff0000}\x1E{00FF00}green", {{"green", UColor(0, 255, 0, 255), 30}}},
        {"ab\x1E{123456}", {{"ab", DEFAULT, 12}}},
        // Reading stops at the first character that is not a hex digit.
        {"\x1E{1}xyzwvu", {{"u", DEFAULT, 6}}},
        {"\x1E{12}xyzwvu", {{"vu", UColor(0, 0, 0x12, 255), 12}}},
    };
    for (const Case& c : cases) {
        TextLine line(c.text, &test.font);
        std::vector<Phrase> phrases = phrasesOf(line);
        ASSERT_EQ(phrases.size(), c.phrases.size()) << c.text;
        int width = 0;
        for (size_t i = 0; i < phrases.size(); ++i) {
            EXPECT_EQ(phrases[i].text, c.phrases[i].text) << c.text;
            EXPECT_EQ(phrases[i].color, c.phrases[i].color) << c.text << " phrase " << i;
            EXPECT_EQ(phrases[i].width, c.phrases[i].width) << c.text << " phrase " << i;
            width += phrases[i].width;
        }
        EXPECT_EQ(line.width, width) << c.text;
    }
}

} // namespace
