#include "ItemTestSupport.h"

#include "MenuItem.h"

namespace {

using namespace itemtest;

using MenuItemTest = ItemTest;

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
