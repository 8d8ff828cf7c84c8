#include "ScreenTestSupport.h"

#include "ContextAutoConfigure.h"

#include <tuple>

namespace {

using namespace screentest;

class SmallScreenTest : public ScreenTest {};

// What applying the display settings changes in the test's engine, put back
// when the test ends, the display reopened as it was.
struct DisplaySettingsGuard {
    ~DisplaySettingsGuard()
    {
        std::tie(graphics.bFullScreen, graphics.bBilinearFilter, graphics.bUseVSync) = flags;
        std::tie(graphics.screenWidth, graphics.screenHeight) = size;
        std::tie(pGlobal->hst.resolution, pGlobal->hst.bFullScreen) = stored;
        pKiv->bRestartRequested = false;
        pKiv->changeKIVmode(Kiv::MODE_DISPLAYLOST);
        pKiv->changeKIVmode(Kiv::MODE_OK);
    }

    KivGraphics& graphics = *pKiv->pGraphics;
    const std::tuple<bool, bool, bool> flags{graphics.bFullScreen, graphics.bBilinearFilter, graphics.bUseVSync};
    const std::tuple<int, int> size{graphics.screenWidth, graphics.screenHeight};
    const std::tuple<int32_t, bool> stored{pGlobal->hst.resolution, pGlobal->hst.bFullScreen};
};

// How the display would show the stored settings equals what they say.
::testing::AssertionResult shownAsStored()
{
    bool fullScreen = pGlobal->hst.bFullScreen;
    int width = 0, height = 0;
    ContextAutoConfigure::getResolutionSize(pGlobal->hst.resolution, width, height);
    const int storedWidth = width, storedHeight = height;
    pKiv->pGraphics->calcClosestMatchParameters(fullScreen, width, height);
    if (fullScreen == pGlobal->hst.bFullScreen && width == storedWidth && height == storedHeight)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "shown as " << width << "x" << height << (fullScreen ? " full" : " window");
}

TEST_F(SmallScreenTest, AutomaticConfigurationStoresAModeTheDisplayShowsAsIs)
{
    DisplaySettingsGuard guard;
    HSTdata& settings = pGlobal->hst;
    // A window as large as the test display's whole desktop cannot be opened.
    settings.bFullScreen = false;
    settings.resolution = 3;
    ASSERT_FALSE(shownAsStored());
    auto* screen = open(new ContextAutoConfigure());
    EXPECT_TRUE(screen->bChecked);
    EXPECT_FALSE(settings.bFullScreen);
    EXPECT_LT(settings.resolution, 3);
    EXPECT_TRUE(shownAsStored());
    EXPECT_EQ(Kiv::MODE_DISPLAYLOST, pKiv->mode) << "the frame restarts the display in the stored mode";
    EXPECT_FALSE(ContextAutoConfigure::checkDisplaySettings());
    EXPECT_NEAR(framesUntilClosed(screen) + 1, ContextAutoConfigure::SHOW_TIME / STEP + 1, 1);
}

} // namespace
