// The loader's machinery: one step per frame behind the bar, the pause for
// the language screen, the settings and the screens that follow loading.
#include "LoaderRun.h"

#include "ContextAutoConfigure.h"
#include "ContextBFLogo.h"
#include "ContextErrorReport.h"
#include "ContextManager.h"
#include "FramePacer.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Language.h"
#include "Loader.h"

#include <gtest/gtest.h>

namespace shelltest {
namespace {

TEST(Loader, DoesOneStepPerFrameAndPausesWhileTheLanguageIsChosen)
{
    const LoaderRun& run = loaderRun();
    ASSERT_EQ(run.stepCount, 115);
    ASSERT_FALSE(run.frames.empty());
    EXPECT_EQ(run.frames.front().step, 1);
    EXPECT_FLOAT_EQ(run.frames.front().barValue, 1.0f / 115.0f);

    int expected = 1;
    int pausedFrames = 0;
    for (const FrameRecord& frame : run.frames) {
        if (frame.step == expected - 1 && expected == run.stepCount) {
            ++pausedFrames;
            EXPECT_TRUE(frame.bChoosingLanguage);
            continue;
        }
        ASSERT_EQ(frame.step, expected);
        // The selection screen is pushed by the language step, the one before the last.
        EXPECT_EQ(frame.bChoosingLanguage, expected == run.stepCount - 1);
        EXPECT_FLOAT_EQ(frame.barValue, static_cast<float>(expected) / 115.0f);
        ++expected;
    }
    EXPECT_EQ(expected, run.stepCount + 1);
    EXPECT_GE(pausedFrames, 2);
}

TEST(Loader, PushesTheFirstScreensAboveItselfOnce)
{
    const LoaderRun& run = loaderRun();
    ASSERT_EQ(run.stackAfterLoading.size(), 5u);
    EXPECT_NE(dynamic_cast<Loader*>(run.stackAfterLoading[0]), nullptr);
    EXPECT_TRUE(run.stackAfterLoading[0]->bFinished);
    EXPECT_EQ(run.stackAfterLoading[1], testGlobal().pMarker);
    EXPECT_NE(dynamic_cast<ContextBFLogo*>(run.stackAfterLoading[2]), nullptr);
    // The last run crashed: its report comes right after the automatic configuration.
    EXPECT_NE(dynamic_cast<ContextErrorReport*>(run.stackAfterLoading[3]), nullptr);
    EXPECT_NE(dynamic_cast<ContextAutoConfigure*>(run.stackAfterLoading[4]), nullptr);
    EXPECT_EQ(testGlobal().initGameCalls, 1);
}

TEST(Loader, LanguageScreenClosedWithoutAChoiceLeavesTheDefaultLanguage)
{
    loaderRun();
    EXPECT_EQ(pKiv->pLanguage->getCurrentLanguage(), Language::DEFAULT_LANGUAGE);
    // Nothing was chosen, so the next start asks again.
    EXPECT_EQ(pKiv->defaultLanguage, -1);
}

TEST(Loader, AppliesTheStoredSettingsWithTheDisplaysFullScreenFlag)
{
    loaderRun();
    EXPECT_EQ(pGlobal->hst.bFullScreen, pKiv->pGraphics->bFullScreen);
    EXPECT_DOUBLE_EQ(pKiv->pFramePacer->getPeriod(), 1.0 / pGlobal->hst.maxFps);
}

TEST(Loader, StepsAfterTheLastChangeNothing)
{
    const LoaderRun& run = loaderRun();
    Loader* loader = static_cast<Loader*>(run.stackAfterLoading[0]);
    const int resources = pGlobal->pResourceRoot->getChildCount();
    const size_t screens = run.stackAfterLoading.size();
    EXPECT_EQ(loader->loadStuff(false), run.stepCount);
    EXPECT_EQ(Loader::getLastStep(), run.stepCount);
    EXPECT_EQ(pGlobal->pResourceRoot->getChildCount(), resources);
    EXPECT_EQ(static_cast<size_t>(pGlobal->pContextManager->getChildCount()), screens);
}

}
}
