#include "Renderable.h"
#include "TestFont.h"

namespace {

struct PrintCase { std::string text; int flags; float x, y; };

const PrintCase PRINT_CASES[] = {
    {"Centred text", 4 | 0x10, 0.0f, 0.0f},
    {"Right and bottom", 8 | 0x20, 250.0f, -50.0f},
    {"Capital foot", 0x40, -300.0f, -150.0f},
    {"\xC0nd \xE9t\xE9 \xC7" "a \xFF\xFC" "ber \xD1o\xEBl", 0, -250.0f, 30.0f},
    {"Damaged \x1F\x86\x80 escape \x1F", 0, -280.0f, -100.0f},
    // Wider than a strip: printed as two halves, each cached on its own.
    {"Split near an escape " + escaped(2) + escaped(2) + escaped(2) + escaped(2) + escaped(2) + escaped(2) +
         escaped(2) + " and after it some more words",
     0, -310.0f, 210.0f},
};

void expectCachedMatchesGlyphs(FontQuad& font, UColor color)
{
    for (const PrintCase& c : PRINT_CASES) {
        int uses = font.cacheFills + font.cacheHits;
        std::vector<unsigned char> cached =
            drawAndGrab([&] { font.printAt(c.x, c.y, 0.0f, color, c.flags, c.text); });
        std::vector<unsigned char> glyphs = drawAndGrab(
            [&] { font.printAt(c.x, c.y, 0.0f, color, c.flags | FontQuad::PRINT_NO_CACHE, c.text); });
        EXPECT_GT(countDrawnPixels(glyphs), 0) << c.text;
        EXPECT_EQ(countDifferentPixels(cached, glyphs), 0) << c.text << " flags " << c.flags;
        EXPECT_GT(font.cacheFills + font.cacheHits, uses) << c.text << ": the cached path was not taken";
    }
}

class FontPixels : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        pKiv->pGraphics->bEnableFontCache = true;
        pKiv->pGraphics->bBilinearFilter = GetParam();
        ++pKiv->frameNumber;
    }
};

TEST_P(FontPixels, CachedTextLandsOnTheSamePixelsAsGlyphs)
{
    std::unique_ptr<TestFont> test = makeTestFont(Texture::TEXTURE_KEEP_SOURCE);
    expectCachedMatchesGlyphs(*test->font, UColor(255, 160, 40, 200));
}

// With odd widths a top-centre anchor puts glyphs between pixels, and a
// wide glyph after a narrow one overlaps it: a strip copy reproduces
// neither, so those texts are drawn glyph by glyph.
TEST_P(FontPixels, GlyphsBetweenPixelsOrOverlappingAreNotCached)
{
    std::unique_ptr<TestFont> test =
        makeTestFont(Texture::TEXTURE_KEEP_SOURCE, [](int i) { return i % 2 ? 5 : 4 + 4 * (i % 4 == 0); });
    FontQuad& font = *test->font;
    for (int code = 0; code < 256; ++code)
        if (Skin* glyph = font.symbolData[code].pQuad)
            glyph->setOriginLocation(8);
    EXPECT_TRUE(font.canCache("!#")) << "8 and 4 wide: whole pixels, apart";
    EXPECT_FALSE(font.canCache("!\"")) << "5 wide: between pixels";
    EXPECT_FALSE(font.canCache("#%")) << "8 wide after 4 wide: overlapping";
    for (const PrintCase& c : PRINT_CASES) {
        std::vector<unsigned char> normal =
            drawAndGrab([&] { font.printAt(c.x, c.y, 0.0f, UColor(255, 255, 255, 255), c.flags, c.text); });
        std::vector<unsigned char> glyphs = drawAndGrab([&] {
            font.printAt(c.x, c.y, 0.0f, UColor(255, 255, 255, 255), c.flags | FontQuad::PRINT_NO_CACHE, c.text);
        });
        EXPECT_EQ(countDifferentPixels(normal, glyphs), 0) << c.text;
    }
}

INSTANTIATE_TEST_SUITE_P(Filters, FontPixels, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& param) { return param.param ? "Bilinear" : "Nearest"; });

// Long player names are cut to fit their box.
TEST(FontLayout, TruncatedTextEndsInEllipsis)
{
    pKiv->pGraphics->bEnableFontCache = false;
    std::unique_ptr<TestFont> test = makeTestFont(Texture::TEXTURE_KEEP_SOURCE);
    FontQuad& font = *test->font;
    const std::string text = "A rather long player name";
    const int dots = font.measure("...").width;
    int fit = 60 - dots;
    font.measure(text, &fit);
    struct Case { int maxWidth; std::string shown; };
    const Case cases[] = {
        {font.measure(text).width, text},
        {60, text.substr(0, static_cast<size_t>(fit)) + "..."},
        {dots - 1, "..."},
    };
    for (const Case& c : cases) {
        Renderable at;
        at.bSkipVisibility = true;
        at.position = V3(-100.0f, 0.0f, 0.0f);
        at.updateVisuals();
        std::vector<unsigned char> shown = drawAndGrab([&] { font.printTruncated(&at, 0, text, c.maxWidth); });
        std::vector<unsigned char> expected = drawAndGrab([&] { font.print(&at, 0, c.shown); });
        EXPECT_EQ(countDifferentPixels(shown, expected), 0) << c.maxWidth;
    }
}

} // namespace
