#include "ItemTestSupport.h"

#include "GUIitem.h"
#include "GUIthemeStandard.h"

namespace {

using namespace itemtest;

// The theme's generic frame: disabled, normal and mouse-over frames.
const UColor THEME_DISABLED(40, 40, 40, 255);

class GUIitemTest : public ItemTest {
protected:
    // Steps of 0.1 s: the screen runs at twice the engine's frame cap.
    void SetUp() override
    {
        ItemTest::SetUp();
        host.timeScale = 2.0;
        const char* key = "gui-standard-generic";
        if (!pKiv->pResourceManager->find(key, false))
            pKiv->pResourceManager->addResource(
                key, makeTexture(key, 96, 32, {{0, 0, 32, 32}, {32, 0, 32, 32}, {64, 0, 32, 32}},
                                 [](int x, int) { return x < 32 ? THEME_DISABLED : x < 64 ? FRAME : GLOW; }));
    }

    GUIthemeStandard standard;
};

// A screen that ignores events shows its items disabled, and under the
// pointer their disabled tip (here empty) instead of their tooltip.
TEST_F(GUIitemTest, ItemIgnoringEventsIsDrawnDisabledWithItsDisabledTip)
{
    GUIitem* item = add(new GUIitem(&standard, 2));
    item->setSize(100, 30);
    item->setTexts("", "T", "");
    host.bIgnoreEvents = true;
    moveMouseTo(10.0f, 0.0f);
    step();
    const std::unique_ptr<MemoryImageFile> image = draw();
    EXPECT_TRUE(pixelShows(THEME_DISABLED, worldPixel(*image, 40.0f, 0.0f)));
    // The empty disabled tip, not the tooltip, fills the status line.
    EXPECT_TRUE(pixelShows(BACKDROP, worldPixel(*image, 0.0f, -240.0f + 8.0f)));
    host.bIgnoreEvents = false;
    step();
    EXPECT_TRUE(pixelShows(WHITE, worldPixel(*draw(), 0.0f, -240.0f + 8.0f))) << "the tooltip";
}

} // namespace
