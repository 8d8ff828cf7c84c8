#include "RenderTestSupport.h"

namespace {

using namespace rendertest;

TEST(Display, SameModeWithAnotherFilterRaisesNoRestart)
{
    KivGraphics& g = *pKiv->pGraphics;
    pKiv->bRestartRequested = false;
    g.changePresentationParameters(640, 480, false, true, false);
    EXPECT_FALSE(pKiv->bRestartRequested);
    EXPECT_TRUE(g.bBilinearFilter);
    g.changePresentationParameters(1024, 768, false, false, false);
    EXPECT_TRUE(pKiv->bRestartRequested) << "a 1024 x 768 desktop matches 800 x 600";
    EXPECT_EQ(800, g.screenWidth);
    EXPECT_EQ(600, g.screenHeight);
    pKiv->bRestartRequested = false;
    g.changePresentationParameters(640, 480, false, false, false);
    g.restorePresentation();
    EXPECT_EQ(640, g.screenWidth);
}

} // namespace
