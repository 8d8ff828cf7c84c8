#include "BasicLinkIterator.h"
#include "TestFontQuads.h"
#include "TextLine.h"
#include "TextPhrase.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Phrase {
    std::string text;
    UColor color;
    int width;
};

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
    struct Case {
        std::string text;
        std::vector<Phrase> phrases;
    };
    const Case cases[] = {
        {"", {}},
        {"plain text", {{"plain text", DEFAULT, 58}}},
        {"\x1E{FF0000}Red\x1E{000001} rest", {{"Red", UColor(255, 0, 0, 255), 16}, {" rest", DEFAULT, 28}}},
        {"\x1E{ff0000}\x1E{00FF00}green", {{"green", UColor(0, 255, 0, 255), 30}}},
        {"a\x1E{0000Ff}b", {{"a", DEFAULT, 6}, {"b", UColor(0, 0, 255, 255), 6}}},
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

TEST(TextLine, DefaultColourIsTheOnlyOneWithoutFullAlpha)
{
    UColor color;
    ASSERT_TRUE(TextLine::readMarkup("{000001}", color));
    EXPECT_EQ(color.packed(), (1u << 16)) << "R 0, G 0, B 1, A 0";
    uint32_t argb = uint32_t(color.a) << 24 | uint32_t(color.r) << 16 | uint32_t(color.g) << 8 | color.b;
    EXPECT_EQ(argb, 1u);
    ASSERT_TRUE(TextLine::readMarkup("{000000}", color));
    EXPECT_EQ(color, UColor(0, 0, 0, 255));
    ASSERT_TRUE(TextLine::readMarkup("{000002}", color));
    EXPECT_EQ(color, UColor(0, 0, 2, 255));
}

TEST(TextLine, MalformedMarkupIsFatal)
{
    TestFontQuads test;
    const std::string texts[] = {"x\x1E(FF0000)y", "\x1E{GG0000}y", "\x1E{}000000", "ok\x1E{FF", "ok\x1E"};
    for (const std::string& text : texts)
        EXPECT_EXIT(TextLine(text, &test.font), ::testing::ExitedWithCode(255), "") << text;
}

} // namespace
