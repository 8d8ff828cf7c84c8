#include "ScreenTestSupport.h"

#include "ContextAutoConfigure.h"
#include "ContextBFLogo.h"
#include "ContextCredits.h"
#include "ContextHelp.h"
#include "ContextLanguageNotice.h"
#include "ContextLanguageSelect.h"
#include "ContextNetworkWizard.h"
#include "ContextOptions.h"
#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextOptionsGameplay.h"
#include "ContextOptionsGraphics.h"
#include "ContextOptionsSound.h"
#include "EveryIndex.h"
#include "LanguageFlag.h"
#include "MenuButtonURL.h"
#include "RenderableText.h"
#include "RenderableTimed.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numeric>
#include <tuple>

namespace {

using namespace screentest;

class SmallScreenTest : public ScreenTest {};

TEST_F(SmallScreenTest, MakersLogoEndsByItselfOrOnAClick)
{
    auto* logo = open(new ContextBFLogo());
    EXPECT_LT(logo->pPicture->color.a, 64) << "fading in";
    // SHOW_TIME at STEP a frame, and the frame that pops it.
    EXPECT_NEAR(framesUntilClosed(logo, 200) + 1, ContextBFLogo::SHOW_TIME / STEP + 1, 1);
    logo = open(new ContextBFLogo());
    clickAt(0.0f, 0.0f);
    EXPECT_TRUE(logo->bFinished);
}

TEST(AdoptMode, StoresTheModeTheDisplayCanShow)
{
    const struct {
        const char* what;
        bool shownFullScreen;
        int shownWidth, shownHeight;
        int resolution;
        bool fullScreen;
        int expectedResolution;
        bool expectedFullScreen;
    } cases[] = {
        {"shown as stored", true, 640, 480, 1, true, 1, true},
        {"a smaller window than asked for", false, 800, 600, 3, false, 2, false},
        {"no full-screen mode: a window", false, 640, 480, 1, true, 1, false},
        {"only a larger full-screen mode: the largest offered that fits", true, 1280, 1024, 2, true, 3, true},
        {"an odd size between the offered ones", true, 720, 540, 3, true, 1, true},
        {"smaller than any offered size: 640 x 480 all the same", false, 512, 384, 1, false, 1, false},
        {"resolution 0 stays when the display shows it", false, 320, 240, 0, false, 0, false},
    };
    for (const auto& c : cases) {
        int resolution = c.resolution;
        bool fullScreen = c.fullScreen;
        const bool changed =
            ContextAutoConfigure::adoptMode(c.shownFullScreen, c.shownWidth, c.shownHeight, resolution, fullScreen);
        EXPECT_EQ(changed, resolution != c.resolution || fullScreen != c.fullScreen) << c.what;
        EXPECT_EQ(resolution, c.expectedResolution) << c.what;
        EXPECT_EQ(fullScreen, c.expectedFullScreen) << c.what;
    }
}

// What applying the display settings changes in the test's engine, put back
// when the test ends, the display reopened as it was; meanwhile the desktop
// is taken for 1024 x 768, the least a test display has, whatever its size.
struct DisplaySettingsGuard {
    DisplaySettingsGuard()
    {
        graphics.desktopWidth = 1024;
        graphics.desktopHeight = 768;
    }
    ~DisplaySettingsGuard()
    {
        std::tie(graphics.desktopWidth, graphics.desktopHeight) = desktop;
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
    const std::tuple<int, int> desktop{graphics.desktopWidth, graphics.desktopHeight};
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
    // A window as large as the whole desktop cannot be opened.
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

// Escape and a click beside the flags do not end it.
TEST_F(SmallScreenTest, LanguageChoiceShowsEveryFlagAndEndsOnlyOnOne)
{
    const int saved = pKiv->defaultLanguage;
    pKiv->defaultLanguage = -1;
    auto* screen = open(new ContextLanguageSelect());
    ASSERT_EQ(screen->flags.size(), static_cast<size_t>(Language::LANGUAGE_MAX));
    // One flag for each language, showing that language's flag.
    const std::vector<Skin*>& pictures = pKiv->pResourceManager->findAs<Texture>("languageFlags")->skins;
    std::vector<int> languages;
    for (const LanguageFlag* flag : screen->flags) {
        languages.push_back(flag->language);
        EXPECT_EQ(flag->pSkin, pictures.at(static_cast<size_t>(flag->language))) << flag->language;
    }
    std::sort(languages.begin(), languages.end());
    std::vector<int> each(Language::LANGUAGE_MAX);
    std::iota(each.begin(), each.end(), 0);
    EXPECT_EQ(languages, each);
    type(stacktest::KEY_ESCAPE, 27);
    clickAt(200.0f, -200.0f);
    frame();
    EXPECT_EQ(top(), screen);
    const LanguageFlag* flag = screen->flags.back();
    clickOn(flag);
    EXPECT_TRUE(screen->bFinished);
    EXPECT_EQ(pKiv->defaultLanguage, flag->language);
    pKiv->defaultLanguage = saved;
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
    EXPECT_TRUE(isA<ContextLanguageNotice>(top()));
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

// Without a readme in the working folder the button is disabled; with one,
// its whole path opens after the program ends.
TEST_F(SmallScreenTest, DocumentationOpensTheReadmeOfTheWorkingFolderAfterExit)
{
    const std::filesystem::path previous = std::filesystem::current_path();
    const std::filesystem::path folder = std::filesystem::path(stacktest::shared().home) / "work folder";
    std::filesystem::create_directories(folder / "readme.htm" / "a folder in its place");
    std::filesystem::current_path(folder);
    auto* help = open(new ContextHelp());
    EXPECT_TRUE(help->pDocumentationButton->disabled) << "no readme";
    clickOn(help->pOnlineHelpButton);
    EXPECT_EQ(pGlobal->urlToOpenOnExit, ContextHelp::ONLINE_HELP_ADDRESS);
    clearStack();
    std::filesystem::remove_all(folder / "readme.htm");
    std::ofstream(folder / "readme.htm") << "<html></html>";
    help = open(new ContextHelp());
    std::filesystem::current_path(previous);
    clickOn(help->pDocumentationButton);
    EXPECT_TRUE(stack().bQuit);
    EXPECT_EQ(pGlobal->urlToOpenOnExit, (folder / "readme.htm").string());
    std::filesystem::remove_all(folder);
}

// The lines start below the bottom edge, unseen, rise at the scroller's
// speed and are fully seen inside the view; the screen ends by itself once
// the last line has passed the top edge, or at once on a click.
TEST_F(SmallScreenTest, CreditsRiseThroughTheViewAndEnd)
{
    auto* credits = open(new ContextCredits());
    std::vector<const RenderableText*> lines;
    for (const BasicLink* link = credits->pFirstChild; link; link = link->pNext)
        if (const auto* line = dynamic_cast<const RenderableText*>(static_cast<const KivBase*>(link)))
            lines.push_back(line);
    ASSERT_FALSE(lines.empty());
    const RenderableText* first = lines.front();
    EXPECT_LE(first->position.y, -240.0f + ContextScroller::DEFAULT_SPEED * STEP * 2);
    EXPECT_LT(first->color.a, 64);
    std::vector<float> starts;
    for (const RenderableText* line : lines)
        starts.push_back(line->position.y);
    for (int i = 0; i < 100; ++i)
        frame();
    EXPECT_TRUE(testsupport::everyIndex(lines.size(), [&](size_t i) {
        return std::fabs(lines[i]->position.y - starts[i] - ContextScroller::DEFAULT_SPEED * STEP * 100) <= 0.1f;
    })) << "every line rises at the scroller's speed";
    EXPECT_EQ(first->color.a, 255);
    float lastLineTop = 0.0f;
    for (int frames = 0; top() == credits && frames < 2000; ++frames) {
        lastLineTop = lines.back()->position.y;
        frame();
    }
    EXPECT_GT(lastLineTop, 240.0f);
    credits = open(new ContextCredits());
    clickAt(0.0f, 0.0f);
    EXPECT_TRUE(credits->bFinished) << "a click ends them at once";
}

} // namespace
