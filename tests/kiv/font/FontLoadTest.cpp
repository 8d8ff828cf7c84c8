#include "FontQuad.h"
#include "GlyphTexture.h"
#include "Kiv.h"
#include "MemoryIniFile.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(FontLoad, GlyphsFillConsecutiveSymbolsAndSkipTheSpace)
{
    std::unique_ptr<Texture> texture(makeGlyphTexture({{4, 6}, {5, 7}, {6, 8}, {7, 9}, {8, 11}}, 0));
    FontQuad font;
    font.defaultSpacing = 2;
    font.addSourceTexture(texture.get(), 30);
    struct Case {
        int code;
        int skin;
    };
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
    EXPECT_EQ(font.nextSymbolToLoad, 35);
    EXPECT_EQ(font.lineHeight, 11);
    EXPECT_EQ(font.capHeight, 0) << "no 'A', 'a' or '0' yet";
    EXPECT_EQ(font.measure(" ").width, 4);
}

TEST(FontLoad, ContinueAndCapitalHeight)
{
    std::unique_ptr<Texture> digits(makeGlyphTexture({{5, 9}, {5, 10}}, 0));
    std::unique_ptr<Texture> letters(makeGlyphTexture({{6, 12}, {6, 13}}, 0));
    FontQuad font;
    font.addSourceTexture(digits.get(), '0');
    EXPECT_EQ(font.capHeight, 9) << "'0' when there is no letter";
    font.nextSymbolToLoad = 'A';
    font.addSourceTexture(letters.get(), FontQuad::CONTINUE);
    EXPECT_EQ(font.symbolData['A'].pQuad, letters->skins[0]);
    EXPECT_EQ(font.symbolData['B'].pQuad, letters->skins[1]);
    EXPECT_EQ(font.capHeight, 12);
    EXPECT_EQ(font.lineHeight, 13);
}

TEST(FontLoad, MoreGlyphsThanSymbolsIsFatal)
{
    std::unique_ptr<Texture> texture(makeGlyphTexture({{4, 6}, {4, 6}, {4, 6}}, 0));
    FontQuad font;
    EXPECT_EXIT(font.addSourceTexture(texture.get(), FontQuad::NUMSYMBOLS - 2), ::testing::ExitedWithCode(255), "");
}

TEST(FontLoad, CacheTimeToLiveComesFromConfiguration)
{
    FontQuad font;
    EXPECT_EQ(font.cacheTTLframes, 2);
    EXPECT_EQ(pKiv->pConfig->getInt("FontQuad", "cacheTTLframes"), 2) << "the default is written back";
    pKiv->pConfig->setInt("FontQuad", "cacheTTLframes", 5);
    FontQuad configured;
    EXPECT_EQ(configured.cacheTTLframes, 5);
    pKiv->pConfig->setInt("FontQuad", "cacheTTLframes", 2);
}

} // namespace
