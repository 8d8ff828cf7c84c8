#include "RenderTestSupport.h"

#include "KivGraphics.h"

namespace {

// The options ask for a restart only when the mode the display would open
// changes: on a 1024 x 768 desktop a 1024 x 768 window opens at 800 x 600,
// and asking for it again changes nothing. A filter alone never restarts.
// The test display's desktop is taken for that size, the least it may be.
TEST(Display, ARestartIsAskedOnlyWhenTheMatchedModeChanges)
{
    KivGraphics& g = *pKiv->pGraphics;
    const int desktopWidth = g.desktopWidth, desktopHeight = g.desktopHeight;
    g.desktopWidth = 1024;
    g.desktopHeight = 768;
    struct Case { int width, height; bool bilinear, restart; int matchedWidth, matchedHeight; };
    const Case steps[] = {
        {640, 480, true, false, 640, 480}, {1024, 768, false, true, 800, 600}, {1024, 768, false, false, 800, 600}};
    for (const Case& c : steps) {
        pKiv->bRestartRequested = false;
        g.changePresentationParameters(c.width, c.height, false, c.bilinear, false);
        EXPECT_EQ(c.restart, pKiv->bRestartRequested) << c.width << " " << c.bilinear;
        EXPECT_EQ(c.bilinear, g.bBilinearFilter);
        EXPECT_EQ(c.matchedWidth, g.screenWidth);
        EXPECT_EQ(c.matchedHeight, g.screenHeight);
    }
    pKiv->bRestartRequested = false;
    g.changePresentationParameters(640, 480, false, false, false);
    g.restorePresentation();
    EXPECT_EQ(640, g.screenWidth);
    g.desktopWidth = desktopWidth;
    g.desktopHeight = desktopHeight;
}

} // namespace
