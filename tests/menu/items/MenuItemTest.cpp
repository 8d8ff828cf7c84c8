#include "ItemTestSupport.h"

#include "MenuItem.h"

namespace {

using namespace itemtest;

using MenuItemTest = ItemTest;

// The hint is a lone "W" centred on x = 0, its bottom 4 units above the
// view's bottom.
TEST_F(MenuItemTest, HighlightFrameAndHintLineOnlyForAnEnabledHighlightedItem)
{
    struct Case { const char* name; bool over; bool disabled; UColor frame; bool hintShown; };
    const Case cases[] = {
        {"Away", false, false, FRAME, false},
        {"Over", true, false, GLOW, true},
        {"OverDisabledWithoutText", true, true, FRAME, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MenuItem* item = add(new MenuItem(0.0f, 0.0f, 0.0f, "", "W"));
        item->disabled = c.disabled;
        moveMouseTo(c.over ? 0.0f : 300.0f, c.over ? 0.0f : -200.0f);
        // Past the quarter of a second the highlight takes to come in full.
        for (int i = 0; i < 6; ++i)
            step();
        const std::unique_ptr<MemoryImageFile> image = draw();
        EXPECT_TRUE(pixelShows(c.frame, worldPixel(*image, 60.0f, 20.0f)));
        EXPECT_EQ(c.hintShown, pixelShows(WHITE, worldPixel(*image, 0.0f, -240.0f + 8.0f)));
        item->deleteMe();
    }
}

} // namespace
