// One real loading run per test process, read by every test: an engine under
// the test display working in the generated game data, a Global whose game
// part pushes one marker screen, and the loader stepped through the engine's
// frames to its end. The edition offers several languages with none chosen yet, and
// the previous run left a crash log, so the run passes the language screen
// (closed without a choice after three frames) and pushes the crash report.
#include "ContextAutoConfigure.h"
#include "ContextBFLogo.h"
#include "ContextErrorReport.h"
#include "ContextLanguageSelect.h"
#include "ContextManager.h"
#include "FramePacer.h"
#include "Global.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivGraphics.h"
#include "Language.h"
#include "Loader.h"
#include "Percentage.h"
#include "ProgramRun.h"
#include "SteppedHost.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>
#include <vector>

namespace {

// Global with the game's part reduced to one screen that stays on the stack.
struct TestGlobal : Global {
    void initGame() override
    {
        ++initGameCalls;
        pMarker = new Context();
        pMarker->bDeleteWhenFinished = true;
        pContextManager->pushContext(pMarker);
    }
    int initGameCalls = 0;
    Context* pMarker = nullptr;
};

// What one frame left: the loader's last step, its bar, and whether the
// language screen was on top.
struct FrameRecord { int step; float barValue; bool bChoosingLanguage; };

struct LoaderRun {
    int stepCount = 0;
    std::vector<FrameRecord> frames;
    // The stack, bottom first, right after the frame of the final step.
    std::vector<Context*> stackAfterLoading;
};

testsupport::SteppedHost& stepped()
{
    static testsupport::SteppedHost host;
    return host;
}

void startEngine()
{
    static TemporaryFolder folder("kiv-shell");
    useAsDataHome(folder.path());
    std::ofstream(makeWindowedDataFolder(folder.path()) + "/crash.Glimmerdaledemo.log") << "+0\tmain(): crashed\n";
    ASSERT_EQ(chdir((std::string(KIV_BINARY_DIR) + "/data").c_str()), 0);
    new Kiv(stepped().host());
    pKiv->bMultilanguage = true;
    pKiv->defaultLanguage = -1;
    pGlobal = new TestGlobal();
    pGlobal->initPreLoader();
}

void stepToTheEnd(LoaderRun& run)
{
    ContextManager* stack = pGlobal->pContextManager;
    Loader* loader = static_cast<Loader*>(stack->getActiveContext());
    run.stepCount = loader->stepCount;
    int framesChoosing = 0;
    for (int frame = 0; frame < 10 * run.stepCount && !loader->bFinished; ++frame) {
        stepped().frame(stack);
        Context* top = stack->getActiveContext();
        const bool bChoosing = dynamic_cast<ContextLanguageSelect*>(top) != nullptr;
        run.frames.push_back({Loader::getLastStep(), loader->pProgressBar->value, bChoosing});
        if (bChoosing && ++framesChoosing == 3)
            top->bFinished = true;
    }
    for (BasicLink* screen = stack->pFirstChild; screen; screen = screen->pNext)
        run.stackAfterLoading.push_back(static_cast<Context*>(screen));
}

class Shutdown : public ::testing::Environment {
public:
    void TearDown() override
    {
        delete pGlobal;
        pGlobal = nullptr;
        delete pKiv;
    }
};

const ::testing::Environment* const shutdown = ::testing::AddGlobalTestEnvironment(new Shutdown);

const LoaderRun& loaderRun()
{
    static LoaderRun run;
    if (!pKiv) {
        startEngine();
        stepToTheEnd(run);
    }
    return run;
}

// The language screen, pushed by the step before the last, holds the last
// step back for as long as it is on top; the bar shows the steps done.
TEST(Loader, DoesOneStepPerFrameAndPausesWhileTheLanguageIsChosen)
{
    const LoaderRun& run = loaderRun();
    ASSERT_EQ(run.stepCount, 115) << "a multi-language run has no code-page nor glyph steps";
    int expected = 1;
    int pausedFrames = 0;
    for (const FrameRecord& frame : run.frames) {
        if (frame.bChoosingLanguage && frame.step == run.stepCount - 1 && expected == run.stepCount) {
            ++pausedFrames;
            continue;
        }
        ASSERT_EQ(frame.step, expected);
        EXPECT_EQ(frame.bChoosingLanguage, expected == run.stepCount - 1);
        EXPECT_FLOAT_EQ(frame.barValue, static_cast<float>(expected) / 115.0f);
        ++expected;
    }
    EXPECT_EQ(expected, run.stepCount + 1);
    EXPECT_EQ(pausedFrames, 2) << "the screen is closed in its third frame on top";
}

// The language screen was closed without a choice: the default language
// is used and the next start asks again.
TEST(Loader, EndsWithTheFirstScreensAboveItselfTheSettingsAppliedAndNoLanguageChosen)
{
    const LoaderRun& run = loaderRun();
    ASSERT_EQ(run.stackAfterLoading.size(), 5u);
    EXPECT_TRUE(run.stackAfterLoading[0]->bFinished) << "the loader";
    EXPECT_EQ(run.stackAfterLoading[1], static_cast<TestGlobal*>(pGlobal)->pMarker);
    EXPECT_NE(dynamic_cast<ContextBFLogo*>(run.stackAfterLoading[2]), nullptr);
    // The last run crashed: its report comes right after the automatic configuration.
    EXPECT_NE(dynamic_cast<ContextErrorReport*>(run.stackAfterLoading[3]), nullptr);
    EXPECT_NE(dynamic_cast<ContextAutoConfigure*>(run.stackAfterLoading[4]), nullptr);
    EXPECT_EQ(static_cast<TestGlobal*>(pGlobal)->initGameCalls, 1);
    EXPECT_EQ(pGlobal->hst.bFullScreen, pKiv->pGraphics->bFullScreen);
    EXPECT_DOUBLE_EQ(pKiv->pFramePacer->getPeriod(), 1.0 / pGlobal->hst.maxFps);
    EXPECT_EQ(pKiv->pLanguage->getCurrentLanguage(), Language::DEFAULT_LANGUAGE);
    EXPECT_EQ(pKiv->defaultLanguage, -1);
    // Steps past the last change nothing.
    const int resources = pGlobal->pResourceRoot->getChildCount();
    EXPECT_EQ(static_cast<Loader*>(run.stackAfterLoading[0])->loadStuff(false), run.stepCount);
    EXPECT_EQ(pGlobal->pResourceRoot->getChildCount(), resources);
    EXPECT_EQ(static_cast<size_t>(pGlobal->pContextManager->getChildCount()), run.stackAfterLoading.size());
}

} // namespace
