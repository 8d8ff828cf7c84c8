#include "BasicLinkIterator.h"
#include "FontQuadCacheEntry.h"
#include "TestFont.h"

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
    for (int i = 0; i < strips; ++i)
        print("text" + std::to_string(i));
    ASSERT_EQ(font.getCacheTextureCount(), 1);

    pKiv->frameNumber = 12;
    print("newcomer");
    EXPECT_EQ(font.getCacheTextureCount(), 2) << "every strip was drawn within the last two frames";
    EXPECT_EQ(entryTexts(font)[static_cast<size_t>(strips)], "newcomer");

    pKiv->frameNumber = 13;
    print("late one");
    std::vector<std::string> texts = entryTexts(font);
    EXPECT_EQ(texts[0], "late one") << "the first strip unused since frame 10 is free from frame 13";
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
    ASSERT_EQ(entryTexts(font)[0], "ab c") << "the strip of the long text was taken";
    std::vector<unsigned char> glyphs = drawAndGrab(
        [&] { font.printAt(0.0f, 0.0f, 0.0f, UColor(255, 255, 255, 255), FontQuad::PRINT_NO_CACHE, "ab c"); });
    EXPECT_EQ(countDifferentPixels(cached, glyphs), 0);
}

} // namespace
