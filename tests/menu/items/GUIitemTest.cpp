#include "ItemTestSupport.h"

#include "GUIitem.h"
#include "GUIthemeMinimal.h"
#include "GUIthemeStandard.h"
#include "StretchSkin.h"

namespace {

using namespace itemtest;

class GUIitemTest : public ItemTest {
protected:
    // Steps of 0.1 s: the screen runs at twice the engine's frame cap.
    void SetUp() override
    {
        ItemTest::SetUp();
        screen.timeScale = 2.0;
    }

    GUIthemeStandard standard;
    GUIthemeMinimal minimal;
};

const Texture* texture(const std::string& key)
{
    return pKiv->pResourceManager->findAs<Texture>(key);
}

TEST_F(GUIitemTest, ThemesGiveTheirItemsTheirMeasures)
{
    struct Case {
        const char* name;
        const GUItheme* theme;
        int captionGap, frameWidth, border;
        const FontQuad* font;
    };
    const Case cases[] = {
        {"Standard", &standard, 3, 1, 5, pGlobal->pFontSmall},
        {"Minimal", &minimal, 1, 0, 3, pGlobal->pFontTiny},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.captionGap, c.theme->captionGap);
        EXPECT_EQ(c.frameWidth, c.theme->frameWidth);
        for (int border : {c.theme->borderLeft, c.theme->borderTop, c.theme->borderBottom, c.theme->borderRight})
            EXPECT_EQ(c.border, border);
        EXPECT_EQ(c.font, c.theme->font);
        GUIitem item(const_cast<GUItheme*>(c.theme), 2);
        EXPECT_EQ(c.font, item.font);
        EXPECT_EQ(c.frameWidth, item.frameWidth);
        EXPECT_EQ(c.border, item.borderLeft);
        // An inner size of 0 x 0 still has its frame width on every side.
        EXPECT_FLOAT_EQ(static_cast<float>(2 * c.frameWidth), item.skinNormal->width);
    }
}

TEST_F(GUIitemTest, StylesPickTheirFrameTextures)
{
    struct Case {
        GUItheme* theme;
        int style;
        const char* key;
        int sideBorder, topBorder;
    };
    const Case cases[] = {
        {&standard, 1, "gui-invisible", 5, 5},
        {&standard, 2, "gui-standard-generic", 5, 5},
        {&standard, 4, "gui-standard-thinframe", 5, 5},
        {&standard, 5, "gui-standard-groove", 5, 5},
        {&standard, 6, "gui-standard-panel-bevelinner", 5, 5},
        {&standard, 7, "gui-standard-editbox", 5, 5},
        {&standard, 8, "gui-standard-button", 5, 5},
        {&standard, 9, "gui-standard-button-nogroove", 5, 5},
        {&standard, 10, "gui-standard-tab", 10, 5},
        {&standard, 11, "gui-standard-tab-selected", 10, 5},
        {&minimal, 1, "gui-invisible", 3, 3},
        {&minimal, 2, "gui-minimal-generic", 3, 3},
        {&minimal, 10, "gui-minimal-generic", 3, 3},
        {&minimal, 11, "gui-minimal-generic", 3, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.key << " " << c.style);
        GUIitem item(c.theme, c.style);
        const Texture* frames = texture(c.key);
        ASSERT_NE(nullptr, item.skinNormal);
        EXPECT_EQ(frames->skins[0], item.skinDisabled->source);
        EXPECT_EQ(frames->skins[1], item.skinNormal->source);
        EXPECT_EQ(frames->skins[2], item.skinMouseOver->source);
        for (const StretchSkin* frame : {item.skinDisabled, item.skinNormal, item.skinMouseOver}) {
            EXPECT_EQ(c.sideBorder, frame->borderLeft);
            EXPECT_EQ(c.sideBorder, frame->borderRight);
            EXPECT_EQ(c.topBorder, frame->borderTop);
            EXPECT_EQ(c.topBorder, frame->borderBottom);
        }
    }
}

TEST_F(GUIitemTest, RestylingCopiesTheThemesBordersAgain)
{
    GUIitem item(&standard, 10);
    item.setSize(40, 20);
    item.setStyle(2);
    EXPECT_EQ(5, item.borderLeft);
    EXPECT_EQ(5, item.skinNormal->borderLeft);
    EXPECT_FLOAT_EQ(42.0f, item.skinNormal->width) << "sized again";
    EXPECT_FLOAT_EQ(22.0f, item.skinMouseOver->height);
}

TEST_F(GUIitemTest, StyleZeroKeepsTheFrames)
{
    GUIitem bare(&standard, 0);
    EXPECT_EQ(nullptr, bare.skinNormal);
    bare.setSize(10, 10);
    EXPECT_EQ(nullptr, bare.pSkin);
    GUIitem framed(&standard, 2);
    const StretchSkin* before = framed.skinNormal;
    framed.setStyle(0);
    EXPECT_EQ(before, framed.skinNormal);
}

TEST_F(GUIitemTest, ThickFrameIsThickerForItsItemOnly)
{
    GUIitem thick(&standard, 3);
    EXPECT_EQ(2, thick.frameWidth);
    EXPECT_EQ(texture("gui-standard-thickframe")->skins[1], thick.skinNormal->source);
    EXPECT_FLOAT_EQ(4.0f, thick.skinNormal->width);
    EXPECT_EQ(1, standard.frameWidth) << "later items keep the theme's frame width";
    GUIitem later(&standard, 2);
    EXPECT_EQ(1, later.frameWidth);
}

TEST_F(GUIitemTest, CaptionColourFollowsTheHighlight)
{
    GUIitem* item = add(new GUIitem(&standard, 2));
    item->setSize(100, 30);
    struct Frame {
        bool over;
        UColor color;
    };
    const Frame frames[] = {
        {true, UColor(151, 128, 76, 255)}, {true, UColor(186, 135, 25, 255)}, {true, UColor(204, 139, 0, 255)},
        {true, UColor(204, 139, 0, 255)},  {false, UColor(168, 132, 51, 255)},
    };
    for (size_t i = 0; i < std::size(frames); ++i) {
        SCOPED_TRACE(i);
        moveMouseTo(frames[i].over ? 10.0f : 200.0f, 0.0f);
        step();
        EXPECT_EQ(frames[i].over, item->bMouseOver);
        EXPECT_EQ(frames[i].color, item->colorCurrent);
    }
    // 0.25 s away and the highlight is gone.
    for (int i = 0; i < 2; ++i)
        step();
    EXPECT_DOUBLE_EQ(0.0, item->highlight);
    EXPECT_EQ(UColor(116, 122, 128, 255), item->colorCurrent);
}

TEST_F(GUIitemTest, ItemIgnoringEventsIsDrawnDisabledWithItsDisabledTip)
{
    GUIitem* item = add(new GUIitem(&standard, 2));
    item->setSize(100, 30);
    item->setTexts("", "T", "");
    screen.bIgnoreEvents = true;
    moveMouseTo(10.0f, 0.0f);
    step();
    EXPECT_EQ(UColor(116, 122, 128, 128), item->colorCurrent);
    const std::unique_ptr<MemoryImageFile> image = draw();
    EXPECT_TRUE(sameColor(THEME_DISABLED, worldPixel(*image, 40.0f, 0.0f)));
    // The empty disabled tip, not the tooltip, fills the status line.
    EXPECT_TRUE(sameColor(BACKDROP, worldPixel(*image, 0.0f, -240.0f + 8.0f)));
    screen.bIgnoreEvents = false;
    step();
    EXPECT_TRUE(sameColor(WHITE, worldPixel(*draw(), 0.0f, -240.0f + 8.0f))) << "the tooltip";
}

TEST_F(GUIitemTest, CaptionIsPlacedByItsLocationAndCutInside)
{
    // "WW" in the small font is 14 wide and 10 high; the frame is 102 x 32.
    struct Case {
        int location;
        float x, y;
    };
    const Case cases[] = {
        {4, -51.0f - 3.0f - 4.0f, 3.0f}, {5, -3.0f, 3.0f},      {6, 51.0f + 3.0f + 4.0f, 3.0f},
        {8, -3.0f, 16.0f + 3.0f + 5.0f}, {-4, -51.0f + 3.0f + 4.0f, 3.0f}, {-6, 51.0f - 3.0f - 4.0f, 3.0f},
        {-8, -3.0f, 16.0f - 3.0f - 5.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        GUIitem* item = add(new GUIitem(&standard, 2));
        item->setSize(100, 30);
        item->setTexts("WW", "", "");
        item->captionLocation = c.location;
        step();
        EXPECT_TRUE(sameColor(UColor(116, 122, 128, 255), worldPixel(*draw(), c.x, c.y)));
        item->deleteMe();
    }
    // Inside, a caption wider than the frame ends in "..." within it.
    GUIitem* item = add(new GUIitem(&standard, 2));
    item->setSize(40, 30);
    item->setTexts("WWWWWWWWWWWW", "", "");
    item->captionLocation = -4;
    step();
    const std::unique_ptr<MemoryImageFile> image = draw();
    const UColor caption(116, 122, 128, 255);
    EXPECT_TRUE(sameColor(caption, worldPixel(*image, -21.0f + 3.0f + 1.0f, 0.0f)));
    EXPECT_EQ(0, countPixels(*image, caption, 320 + 18, 200, 400, 280)) << "nothing past the inner width";
}

TEST_F(GUIitemTest, ChildrenMoveWithTheItem)
{
    GUIitem* item = add(new GUIitem(&standard, 2));
    Renderable* child = new Renderable();
    child->position = V3(5.0f, 0.0f, 0.0f);
    item->addItem(child);
    item->position = V3(100.0f, 50.0f, 0.0f);
    item->updateVisuals();
    const V3 world = child->local2world(V3());
    EXPECT_FLOAT_EQ(105.0f, world.x);
    EXPECT_FLOAT_EQ(50.0f, world.y);
}

TEST_F(GUIitemTest, UnknownStyleOrCaptionLocationIsFatal)
{
    EXPECT_EXIT(GUIitem(&standard, 12), ::testing::ExitedWithCode(255), "");
    EXPECT_EXIT(GUIitem(&minimal, -1), ::testing::ExitedWithCode(255), "");
    EXPECT_EXIT(
        {
            GUIitem* item = add(new GUIitem(&minimal, 2));
            item->caption = "x";
            item->captionLocation = 7;
            screen.render();
        },
        ::testing::ExitedWithCode(255), "");
}

} // namespace
