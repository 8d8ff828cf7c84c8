#include "ScreenTestSupport.h"

#include "ContextAutoConfigure.h"
#include "ContextHelp.h"
#include "ContextLanguageNotice.h"
#include "ContextNetworkWizard.h"
#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextOptionsGameplay.h"
#include "ContextOptionsGraphics.h"
#include "ContextOptionsSound.h"
#include "ContextOptions.h"
#include "MenuButtonURL.h"

#include <tuple>

namespace {

using namespace screentest;

class SmallScreenTest : public ScreenTest {};

TEST(AdoptMode, StoresTheModeTheDisplayCanShow)
{
    // Shown mode, stored resolution and full-screen flag, and what is stored after.
    struct ModeCase { const char* what; bool shownFullScreen; int shownWidth, shownHeight, resolution; bool fullScreen;
                      int expectedResolution; bool bExpectedFullScreen; };
    const ModeCase cases[] = {
        {"a smaller window than asked for", false, 800, 600, 3, false, 2, false},
        {"only a larger full-screen mode: the largest offered that fits", true, 1280, 1024, 2, true, 3, true},
        {"an odd size between the offered ones", true, 720, 540, 3, true, 1, true},
        {"resolution 0 stays when the display shows it", false, 320, 240, 0, false, 0, false},
    };
    for (const ModeCase& c : cases) {
        int resolution = c.resolution;
        bool fullScreen = c.fullScreen;
        const bool changed =
            ContextAutoConfigure::adoptMode(c.shownFullScreen, c.shownWidth, c.shownHeight, resolution, fullScreen);
        EXPECT_EQ(changed, resolution != c.resolution || fullScreen != c.fullScreen) << c.what;
        EXPECT_EQ(resolution, c.expectedResolution) << c.what;
        EXPECT_EQ(fullScreen, c.bExpectedFullScreen) << c.what;
    }
}

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

TEST_F(SmallScreenTest, LanguageButtonOnlyWithSeveralLanguagesAndItForgetsTheChoice)
{
    const bool savedEdition = pKiv->bMultilanguage;
    const int savedLanguage = pKiv->defaultLanguage;
    pKiv->bMultilanguage = false;
    EXPECT_EQ(open(new ContextOptions())->pLanguageButton, nullptr);
    clearStack();
    pKiv->bMultilanguage = true;
    pKiv->defaultLanguage = 0;
    auto* options = open(new ContextOptions());
    ASSERT_NE(options->pLanguageButton, nullptr);
    clickOn(options->pLanguageButton);
    EXPECT_EQ(pKiv->defaultLanguage, -1);
    auto* notice = dynamic_cast<ContextLanguageNotice*>(top());
    ASSERT_NE(notice, nullptr);
    frame();
    clickOn(notice->pOkButton);
    frame();
    EXPECT_EQ(top(), options);
    pKiv->bMultilanguage = savedEdition;
    pKiv->defaultLanguage = savedLanguage;
}

TEST_F(SmallScreenTest, OptionsButtonsPushTheirScreens)
{
    auto* options = open(new ContextOptions());
    expectPushes(options, {
        {options->pGameplayButton, isA<ContextOptionsGameplay>}, {options->pGraphicsButton, isA<ContextOptionsGraphics>},
        {options->pSoundButton, isA<ContextOptionsSound>},       {options->pControlsButton, isA<ContextOptionsControls>},
        {options->pControls2Button, isA<ContextOptionsControls2>}, {options->pNetworkButton, isA<ContextNetworkWizard>},
        {options->pHelpButton, isA<ContextHelp>},
    });
}

TEST_F(SmallScreenTest, DocumentationOpensTheReadmeOfTheWorkingFolderAfterExit)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::path(stacktest::shared().home) / "work folder";
    std::filesystem::create_directories(folder);
    std::filesystem::current_path(folder);
    auto* help = open(new ContextHelp());
    EXPECT_TRUE(help->pDocumentationButton->disabled) << "no readme";
    clickOn(help->pDocumentationButton);
    EXPECT_FALSE(stack().bQuit);
    clickOn(help->pOnlineHelpButton);
    EXPECT_EQ(pGlobal->urlToOpenOnExit, ContextHelp::ONLINE_HELP_ADDRESS);
    clearStack();
    std::ofstream(folder / "readme.htm") << "<html></html>";
    help = open(new ContextHelp());
    clickOn(help->pDocumentationButton);
    EXPECT_TRUE(stack().bQuit);
    EXPECT_EQ(pGlobal->urlToOpenOnExit, (folder / "readme.htm").string());
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(folder);
}

} // namespace
