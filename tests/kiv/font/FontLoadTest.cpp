#include "FontQuad.h"
#include "GlyphTexture.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FontLoad, GlyphsFillConsecutiveSymbolsAndSkipTheSpace)
{
    std::unique_ptr<Texture> texture(makeGlyphTexture({{4, 6}, {5, 7}, {6, 8}, {7, 9}, {8, 11}}, 0));
    FontQuad font;
    font.defaultSpacing = 2;
    font.addSourceTexture(texture.get(), 30);
    struct Case { int code; int skin; };
    const Case cases[] = {{30, 0}, {31, 1}, {33, 3}, {34, 4}};
    for (const Case& c : cases) {
        Skin* skin = texture->skins[static_cast<size_t>(c.skin)];
        EXPECT_EQ(font.symbolData[c.code].pQuad, skin) << c.code;
        EXPECT_EQ(font.symbolData[c.code].spacing, 2) << c.code;
        EXPECT_FLOAT_EQ(skin->origin.x, -skin->width / 2) << "anchored at the top-left corner";
        EXPECT_FLOAT_EQ(skin->origin.y, skin->height / 2) << "anchored at the top-left corner";
    }
    EXPECT_EQ(font.symbolData[32].pQuad, nullptr) << "the skin falling on the space is passed over";
    EXPECT_EQ(font.symbolData[32].spacing, 0);
    EXPECT_EQ(font.lineHeight, 11);
    EXPECT_EQ(font.measure(" ").width, 4);
}

} // namespace
