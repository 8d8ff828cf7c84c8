#include "ItemTestSupport.h"

#include "GUIitem.h"
#include "GUIthemeMinimal.h"
#include "GUIthemeStandard.h"

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

TEST_F(GUIitemTest, CaptionColourFollowsTheHighlight)
{
    GUIitem* item = add(new GUIitem(&standard, 2));
    item->setSize(100, 30);
    struct Frame { bool over; UColor color; };
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
    struct Case { int location; float x, y; };
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
