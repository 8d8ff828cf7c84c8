#include "TestFont.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The fonts the loader builds from the generated data, with the settings it
// gives them; only those that draw through the cache.
struct GameFont {
    const char* image;
    int textureFlags;
    uint16_t firstSymbol;
    int spaceWidth;
    int defaultSpacing;
    bool bWhiteCacheBackground;
    bool composites;
    bool topCentreLowerCase;
    // The loader keeps the image only for the fixed-size fonts.
    bool expectCached;
};

const GameFont GAME_FONTS[] = {
    {"font-tiny.tga", 10, FontQuad::CONTINUE, 3, 1, true, false, false, true},
    {"font-small.tga", 10, 33, 3, 0, true, false, false, true},
    {"font-medium.tga", 10, 0, 5, 0, true, true, false, true},
    {"font-blackoutline.tga", 2, 33, 5, 1, false, false, true, false},
};

const std::string GAME_TEXTS[] = {
    "Are you sure?",
    "Score: 1,234,567",
    "Leasurely Lane - House 3",
    "Caf\xE9 cr\xE8me \xE0 la fran\xE7" "aise, \xC9t\xE9 \xDC" "ber \xD1" "and\xFA",
    "Click here to change players. Press Escape to go back to the main menu at once.",
    "x",
};

TEST(GameFonts, CachedTextMatchesGlyphsWithTheGeneratedArt)
{
    const std::string folder = std::string(KIV_BINARY_DIR) + "/data/gfx/font/";
    if (!std::filesystem::exists(folder + "font-small.tga"))
        GTEST_SKIP() << "the generated game data is not built";
    pKiv->pGraphics->bEnableFontCache = true;
    for (const GameFont& gameFont : GAME_FONTS) {
        std::unique_ptr<Texture> texture(new Texture(folder + gameFont.image, gameFont.textureFlags));
        FontQuad font;
        font.spaceWidth = gameFont.spaceWidth;
        font.defaultSpacing = gameFont.defaultSpacing;
        font.bWhiteCacheBackground = gameFont.bWhiteCacheBackground;
        font.accentRaiseUpper = font.accentRaiseLower = gameFont.composites ? 4 : 0;
        font.addSourceTexture(texture.get(), gameFont.firstSymbol);
        if (gameFont.composites)
            font.setupCompositeChars();
        if (gameFont.topCentreLowerCase) {
            for (int code = 0; code < 256; ++code)
                if (Skin* glyph = font.symbolData[code].pQuad)
                    glyph->setOriginLocation(8);
            for (int i = 0; i < 26; ++i)
                font.symbolData['A' + i] = font.symbolData['a' + i];
        }
        for (const std::string& text : GAME_TEXTS) {
            int uses = font.cacheFills + font.cacheHits;
            std::vector<unsigned char> normal = drawAndGrab(
                [&] { font.printAt(0.0f, 0.0f, 0.0f, UColor(255, 220, 120, 255), 4 | 0x10, text); });
            std::vector<unsigned char> glyphs = drawAndGrab([&] {
                font.printAt(0.0f, 0.0f, 0.0f, UColor(255, 220, 120, 255), 4 | 0x10 | FontQuad::PRINT_NO_CACHE, text);
            });
            EXPECT_EQ(countDifferentPixels(normal, glyphs), 0) << gameFont.image << ": " << text;
            EXPECT_GT(countDrawnPixels(glyphs), 0) << gameFont.image << ": " << text;
            if (gameFont.expectCached && text.size() >= 4) {
                EXPECT_GT(font.cacheFills + font.cacheHits, uses) << gameFont.image << ": " << text;
            }
        }
        if (!gameFont.expectCached) {
            EXPECT_EQ(font.getCacheTextureCount(), 0) << gameFont.image;
        }
    }
}

} // namespace
