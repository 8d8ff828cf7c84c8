#include "QuadFont.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A font of bare quads (no texture needed to measure): 'A' 7 x 10, 'B' 5 x 8,
// 'W' 12 x 10 with spacing -2, symbol 300 (an escape) 9 x 12 with spacing 2,
// symbol 5 3 x 3; everything else has no glyph and is spaceWidth 4 wide.
class MeasureFont : public ::testing::Test {
protected:
    void SetUp() override
    {
        quads.glyph('A', 7, 10, 1);
        quads.glyph('B', 5, 8, 1);
        quads.glyph('W', 12, 10, -2);
        quads.glyph(300, 9, 12, 2);
        quads.glyph(5, 3, 3, 0);
    }

    QuadFont quads;
    FontQuad& font = quads.font;
};

// Symbol 300 = 256 + 44: high byte 0x80, low byte 0x80 | 44.
const std::string ESCAPE_300 = "\x1F\x80\xAC";

// Plain text, damaged escapes (which stay inside the table and the text)
// and colour markup (measured by measureMarkup, taking no room).
TEST_F(MeasureFont, WidthsAndHeights)
{
    struct Case { std::string text; int width, height; bool bMarkup = false; };
    const Case cases[] = {
        {"", 0, 0},
        {"A B", 18, 10},
        {"WW", 20, 10},
        {"A" + ESCAPE_300 + "B", 25, 12},
        // A special glyph on a code below 32.
        {"\x05" "A", 11, 10},
        // 256 + (6 << 7) = 1024: past the table, a glyphless symbol.
        {std::string("A\x1F\x86\x80" "B", 5), 8 + 4 + 6, 10},
        // Escapes cut short by the end of the text: one glyphless symbol.
        {std::string("A\x1F\x80", 3), 8 + 4, 10},
        {"A\x1E{00FF00}B\x1E{000001}A", 22, 10, true},
        {"AB\x1E{FF", 14, 10, true},
    };
    for (const Case& c : cases) {
        const FontQuad::Size size = c.bMarkup ? font.measureMarkup(c.text) : font.measure(c.text);
        EXPECT_EQ(size.width, c.width) << c.text.size() << " bytes: " << c.text;
        EXPECT_EQ(size.height, c.height) << c.text.size() << " bytes: " << c.text;
    }
}

TEST_F(MeasureFont, FitBudgetReportsFirstSymbolThatDoesNotFit)
{
    // Advances of "AB A": 8, 6, 4, 8 (ends at 8, 14, 18, 26).
    struct Case { std::string text; int budget; int fitAfter; int width; int height; };
    const Case cases[] = {
        {"AB A", 7, 0, 0, 10},
        {"AB A", 25, 3, 18, 10},
        {"AB A", 26, 26, 26, 10},
        // The escape that does not fit is reported at its 0x1F, and its
        // height counts although it did not fit.
        {"A" + ESCAPE_300 + "B", 10, 1, 8, 12},
        {"", 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int fit = c.budget;
        FontQuad::Size size = font.measure(c.text, &fit);
        EXPECT_EQ(fit, c.fitAfter) << c.text << " in " << c.budget;
        EXPECT_EQ(size.width, c.width) << c.text << " in " << c.budget;
        EXPECT_EQ(size.height, c.height) << c.text << " in " << c.budget;
    }
}

} // namespace
