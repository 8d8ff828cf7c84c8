#include "ItemTestSupport.h"

#include "MenuItem.h"

namespace {

using namespace itemtest;

using MenuItemTest = ItemTest;

TEST_F(MenuItemTest, TextColourFadesTowardsTheHighlightWhileTheMouseRestsOnTheItem)
{
    MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "Caption", "Hint"));
    struct Frame { bool over; UColor color; };
    // Each step is 0.05 s, a fifth of the fade; channels are cut towards zero.
    const Frame frames[] = {
        {true, UColor(255, 153, 38, 255)},  {true, UColor(255, 178, 76, 255)},  {true, UColor(255, 204, 115, 255)},
        {true, UColor(255, 229, 153, 255)}, {true, UColor(255, 255, 192, 255)}, {true, UColor(255, 255, 192, 255)},
        {false, UColor(255, 229, 153, 255)}, {false, UColor(255, 204, 115, 255)},
    };
    for (size_t i = 0; i < std::size(frames); ++i) {
        SCOPED_TRACE(i);
        moveMouseTo(frames[i].over ? 100.0f : 300.0f, 0.0f);
        step();
        EXPECT_EQ(frames[i].over, item->highlighted);
        EXPECT_EQ(frames[i].color, item->textColor);
    }
}

TEST_F(MenuItemTest, DisabledItemUnderTheMouseIsHighlightedButKeepsItsDisabledColour)
{
    MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "Caption", "Hint"));
    item->disabled = true;
    moveMouseTo(0.0f, 0.0f);
    step();
    step();
    EXPECT_TRUE(item->highlighted);
    EXPECT_DOUBLE_EQ(0.4, item->highlightFactor);
    EXPECT_EQ(UColor(64, 32, 0, 255), item->textColor);
}

TEST_F(MenuItemTest, HighlightFrameIsDrawnOverTheFrameOnlyForAnEnabledHighlightedItem)
{
    struct Case { const char* name; bool over; bool disabled; UColor expected; };
    const Case cases[] = {
        {"Away", false, false, FRAME},
        {"Over", true, false, GLOW},
        {"OverDisabled", true, true, FRAME},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "", ""));
        item->disabled = c.disabled;
        moveMouseTo(c.over ? 0.0f : 300.0f, c.over ? 0.0f : -200.0f);
        for (int i = 0; i < 5; ++i)
            step();
        EXPECT_TRUE(sameColor(c.expected, worldPixel(*draw(), 60.0f, 20.0f)));
        item->deleteMe();
    }
}

TEST_F(MenuItemTest, CaptionSitsBesideOnOrAboveTheFrame)
{
    // "AB" is 14 wide and 10 high in the medium font, whose lines are 16.
    struct Case { int location; float x, y; };
    const Case cases[] = {
        {4, -128.0f - 5.0f - 7.0f, 3.0f},
        {5, 0.0f, 3.0f},
        {6, 128.0f + 5.0f + 7.0f, 3.0f},
        {8, 0.0f, 32.0f + 5.0f + 11.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.location);
        MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "AB", ""));
        item->captionLocation = c.location;
        step();
        const std::unique_ptr<MemoryImageFile> image = draw();
        EXPECT_TRUE(sameColor(UColor(255, 128, 0, 255), worldPixel(*image, c.x, c.y)));
        item->deleteMe();
    }
}

TEST_F(MenuItemTest, HintLineShowsTheHintOrTheDisabledTextWhileHighlighted)
{
    // A lone "W" centred on x = 0, its bottom 4 units above the view's bottom.
    struct Case { const char* name; bool over; bool disabled; bool hintShown; };
    const Case cases[] = {
        {"Away", false, false, false},
        {"Over", true, false, true},
        {"OverDisabledWithoutText", true, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "", "W"));
        item->disabled = c.disabled;
        moveMouseTo(c.over ? 0.0f : 300.0f, c.over ? 0.0f : -200.0f);
        step();
        const UColor hint = worldPixel(*draw(), 0.0f, -240.0f + 8.0f);
        EXPECT_EQ(c.hintShown, sameColor(WHITE, hint));
        item->deleteMe();
    }
}

} // namespace
