#include "FontQuad.h"
#include "GlyphTexture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Five glyphs from symbol 30, the third falling on the space and passed
// over; then '0' to 'A', the digits 5 high and 'A' 7.
TEST(FontLoad, GlyphsFillConsecutiveSymbolsSkipTheSpaceAndTakeTheCapitalHeight)
{
    std::unique_ptr<Texture> low(makeGlyphTexture({{4, 6}, {5, 7}, {6, 8}, {7, 9}, {8, 11}}, 0));
    std::vector<GlyphSize> digitsToA('A' - '0' + 1, {4, 5});
    digitsToA.back() = {4, 7};
    std::unique_ptr<Texture> high(makeGlyphTexture(digitsToA, 0));
    FontQuad font;
    font.defaultSpacing = 2;
    font.addSourceTexture(low.get(), 30);
    EXPECT_EQ(font.capHeight, 0) << "no 'A', 'a' or '0' yet";
    font.addSourceTexture(high.get(), '0');
    struct Case { int code; Skin* skin; };
    std::vector<Case> cases = {{30, low->skins[0]}, {31, low->skins[1]}, {32, nullptr}, {33, low->skins[3]},
                               {34, low->skins[4]}};
    for (int code = '0'; code <= 'A'; ++code)
        cases.push_back({code, high->skins[static_cast<size_t>(code - '0')]});
    for (const Case& c : cases) {
        EXPECT_EQ(font.symbolData[c.code].pQuad, c.skin) << c.code;
        EXPECT_EQ(font.symbolData[c.code].spacing, c.skin ? 2 : 0) << c.code;
        if (c.skin) {
            EXPECT_TRUE(c.skin->origin == V3(-c.skin->width / 2, c.skin->height / 2, 0)) << "top-left anchor";
        }
    }
    EXPECT_EQ(font.lineHeight, 11);
    EXPECT_EQ(font.capHeight, 7);
}

} // namespace
