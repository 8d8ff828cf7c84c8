#include "BasicLinkIterator.h"
#include "FontQuadCacheEntry.h"
#include "TestFont.h"
#include "TgaImage.h"
#include "WholeFile.h"

#include <cstdio>

namespace {

std::vector<std::string> entryTexts(FontQuad& font)
{
    std::vector<std::string> texts;
    BasicLinkIterator it(&font.cacheEntries);
    while (KivBase* child = it.next())
        texts.push_back(static_cast<FontQuadCacheEntry*>(child)->text);
    return texts;
}

class FontCache : public ::testing::Test {
protected:
    void SetUp() override
    {
        pKiv->pGraphics->bEnableFontCache = true;
        pKiv->frameNumber = 10;
        test = makeTestFont(Texture::TEXTURE_KEEP_SOURCE);
    }

    void print(const std::string& text) { test->font->printAt(0.0f, 0.0f, 0.0f, UColor(255, 255, 255, 255), 0, text); }

    std::unique_ptr<TestFont> test;
};

TEST_F(FontCache, StripIsReusedOnlyAfterItsTimeToLive)
{
    FontQuad& font = *test->font;
    const int strips = 256 / 14;
    std::vector<std::string> texts;
    for (int i = 0; i < strips; ++i) {
        texts.push_back("text" + std::to_string(i));
        print(texts.back());
    }
    ASSERT_EQ(font.getCacheTextureCount(), 1);

    pKiv->frameNumber = 12;
    print("newcomer");
    EXPECT_EQ(font.getCacheTextureCount(), 2) << "every strip was drawn within the last two frames";
    // Each strip of the two textures, a free one's text empty.
    texts.push_back("newcomer");
    texts.resize(2 * strips);
    EXPECT_EQ(entryTexts(font), texts);

    pKiv->frameNumber = 13;
    print("late one");
    texts[0] = "late one";
    EXPECT_EQ(entryTexts(font), texts) << "the first strip unused since frame 10 is free from frame 13";
    EXPECT_EQ(font.getCacheTextureCount(), 2);
    int fills = font.cacheFills;
    print("text1");
    EXPECT_EQ(font.cacheFills, fills) << "an old text still in its strip is found without a refill";
}

TEST_F(FontCache, ShorterTextInReusedStripShowsNoOldPixels)
{
    FontQuad& font = *test->font;
    print("WWWWWWWWWWWWWWWW");
    pKiv->frameNumber = 20;
    std::vector<unsigned char> cached = drawAndGrab([&] { print("ab c"); });
    std::vector<std::string> texts(256 / 14);
    texts[0] = "ab c";
    ASSERT_EQ(entryTexts(font), texts) << "the strip of the long text was taken";
    std::vector<unsigned char> glyphs = drawAndGrab(
        [&] { font.printAt(0.0f, 0.0f, 0.0f, UColor(255, 255, 255, 255), FontQuad::PRINT_NO_CACHE, "ab c"); });
    EXPECT_EQ(countDifferentPixels(cached, glyphs), 0);
}

// A glyph texture made without TEXTURE_KEEP_SOURCE has no image to copy
// from. A 512 x 512 glyph sheet halved to fit 256 x 256 keeps a halved image
// under skin rectangles in full-size pixels: a strip copied from it would
// show other texels than the glyphs.
TEST(FontCacheFallback, GlyphTexturesWithoutAFullImageDrawGlyphByGlyph)
{
    pKiv->pGraphics->bEnableFontCache = true;
    pKiv->pGraphics->bSimulate256x256TextureHW = true;
    std::unique_ptr<TestFont> withoutImage = makeTestFont(0);
    std::string image = std::string(std::getenv("XDG_DATA_HOME")) + "/halved-glyphs.tga";
    // A patterned image, so that misplaced texels show.
    testsupport::writeTGA(image, 512, 512, testsupport::paint(512, 512, [](int x, int y) {
        return UColor(static_cast<uint8_t>(x ^ y), static_cast<uint8_t>(y), static_cast<uint8_t>(x),
                      static_cast<uint8_t>((x + y) % 3 ? 255 : 0));
    }));
    std::string skins;
    for (int i = 0; i < 4; ++i)
        skins += formatString("[Skin %d]\nleft=%d\ntop=%d\nwidth=24\nheight=20\n", i, 30 * i, 10 + i);
    writeWholeFile(image + ".ini", skins);
    std::unique_ptr<Texture> texture(
        new Texture(image, Texture::TEXTURE_SHRINK_TO_FIT | Texture::TEXTURE_KEEP_SOURCE));
    ASSERT_EQ(texture->scaleFactor, 2);
    FontQuad halved;
    halved.addSourceTexture(texture.get(), 'a');
    EXPECT_FALSE(halved.canCache("abcd"));
    for (FontQuad* font : {withoutImage->font.get(), &halved}) {
        auto draw = [&](int flags) {
            return drawAndGrab([&] { font->printAt(-100.0f, 0.0f, 0.0f, UColor(255, 255, 255, 255), flags, "abcd"); });
        };
        std::vector<unsigned char> normal = draw(0);
        EXPECT_GT(countDrawnPixels(normal), 0);
        EXPECT_EQ(font->getCacheTextureCount(), 0);
        EXPECT_EQ(countDifferentPixels(normal, draw(FontQuad::PRINT_NO_CACHE)), 0);
    }
    std::remove(image.c_str());
    std::remove((image + ".ini").c_str());
}

} // namespace
