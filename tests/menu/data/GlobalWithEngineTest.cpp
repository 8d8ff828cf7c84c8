#include "DataFolderSandbox.h"
#include "FramePacer.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Mixer.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// Global leaves the game's own start-up to a subclass; these tests have none.
struct TestGlobal : Global {
    void initGame() override {}
};

// A real engine under the test display, with the data folder of the sandbox.
class GlobalWithEngine : public DataFolderSandbox {
protected:
    void SetUp() override
    {
        DataFolderSandbox::SetUp();
        engine = std::make_unique<Kiv>();
        global = std::make_unique<TestGlobal>();
    }

    void TearDown() override
    {
        global.reset();
        engine.reset();
        DataFolderSandbox::TearDown();
    }

    std::unique_ptr<Kiv> engine;
    std::unique_ptr<Global> global;
};

TEST_F(GlobalWithEngine, SettingsScoresAndPlayersSurviveARestart)
{
    global->hst.musicVolume = 4;
    global->hst.insertHighScore(2, "Ann", 150000, 3, 0, true);
    global->profileManager.addProfile("Ann");
    global->profileManager.addProfile("Bo");
    global->profileManager.profiles[1].savedGames[0].housesPlayed = 6;
    const uint32_t id = global->hst.installationId;
    EXPECT_NE(id, 0u);

    global.reset();
    global = std::make_unique<TestGlobal>();
    EXPECT_EQ(global->hst.musicVolume, 4);
    EXPECT_EQ(global->hst.highScores[2][0].score, 150000);
    EXPECT_EQ(global->hst.installationId, id);
    EXPECT_EQ(global->profileManager.getCount(), 2);
    EXPECT_EQ(global->profileManager.current, 1);
    EXPECT_TRUE(global->profileManager.profiles[1].hasSavedGame(0));
}

TEST_F(GlobalWithEngine, DefaultSettingsGiveTheDocumentedFramePeriodAndMouseSpeed)
{
    global->applySettings();
    EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), 0.01);
    EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, 1.0);
    EXPECT_EQ(engine->pAudio->frequency, 22050);
    if (engine->pAudio->pMixer) {
        EXPECT_FLOAT_EQ(engine->pAudio->pMixer->soundVolume.load(), 1.0f);
        EXPECT_FLOAT_EQ(engine->pAudio->pMixer->musicVolume.load(), 0.625f);
    }
}

TEST_F(GlobalWithEngine, SettingsAreAppliedWithinTheirRanges)
{
    struct Case {
        int fps;
        double period;
        int quality;
        int frequency;
        int volume;
        float level;
        int sensitivity;
        double mouseSpeed;
    };
    const Case cases[] = {
        {25, 1.0 / 25, 0, 11025, 0, 0.0f, 0, 0.5},        {125, 1.0 / 125, 1, 22050, 12, 0.5f, 1, 0.75},
        {60, 1.0 / 60, 2, 44100, 24, 1.0f, 3, 1.25},      {0, 1.0 / 25, 3, 44100, 25, 1.0f, 4, 1.5},
        {100000, 1.0 / 125, -1, 11025, -6, 0.0f, 9, 1.5}, {-10, 1.0 / 25, 1, 22050, 6, 0.25f, -2, 0.5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fps);
        global->hst.maxFps = c.fps;
        global->hst.audioQuality = c.quality;
        global->hst.soundVolume = c.volume;
        global->hst.musicVolume = c.volume;
        global->hst.mouseSensitivity = c.sensitivity;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), c.period);
        EXPECT_EQ(engine->pAudio->frequency, c.frequency);
        if (engine->pAudio->pMixer) {
            EXPECT_FLOAT_EQ(engine->pAudio->pMixer->soundVolume.load(), c.level);
            EXPECT_FLOAT_EQ(engine->pAudio->pMixer->musicVolume.load(), c.level);
        }
        EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, c.mouseSpeed);
    }
}

TEST_F(GlobalWithEngine, DisplaySettingsReachTheGraphics)
{
    KivGraphics* graphics = engine->pGraphics;
    global->hst.bFullScreen = false;
    global->hst.bBilinearFilter = false;
    global->hst.bVerticalSync = false;
    struct Case {
        int resolution;
        int width;
        int height;
    };
    const Case cases[] = {{2, 800, 600}, {1, 640, 480}, {-5, 320, 240}};
    for (const Case& c : cases) {
        global->hst.resolution = c.resolution;
        global->applySettings();
        EXPECT_FALSE(graphics->bFullScreen);
        EXPECT_FALSE(graphics->bBilinearFilter);
        EXPECT_FALSE(graphics->bUseVSync);
        EXPECT_EQ(graphics->screenWidth, c.width) << c.resolution;
        EXPECT_EQ(graphics->screenHeight, c.height) << c.resolution;
    }
}

TEST_F(GlobalWithEngine, TextShadowsNeedDetailAndAWorkingAlphaOperation)
{
    struct Case {
        int detail;
        bool bBrokenAlphaOp;
        bool bShadows;
    };
    const Case cases[] = {{1, false, true}, {0, false, false}, {1, true, false}, {0, true, false}};
    global->hst.bFullScreen = false;
    for (const Case& c : cases) {
        engine->pGraphics->bBrokenAlphaOp = c.bBrokenAlphaOp;
        global->hst.detail = c.detail;
        global->applySettings();
        EXPECT_EQ(engine->pGraphics->bTextShadows, c.bShadows) << c.detail << " " << c.bBrokenAlphaOp;
    }
}

TEST_F(GlobalWithEngine, NumbersUseTheLanguageSeparator)
{
    EXPECT_EQ(Global::formatNumber(1234567), "1,234,567");
    EXPECT_EQ(Global::formatNumber(-123), "-123");
}

}
