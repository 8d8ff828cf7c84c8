#include "DataFolderSandbox.h"
#include "FramePacer.h"
#include "Global.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivInput.h"
#include "Mixer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

// A real engine under the test display, started once for all the tests of a
// process: SDL 1.2 fails now and then to reopen the X display after SDL_Quit.
// Each test still gets a data folder and a Global of its own.
class GlobalWithEngine : public DataFolderSandbox {
protected:
    static void SetUpTestSuite()
    {
        char pattern[] = "/tmp/kiv-menu-engine-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        engineFolder = pattern;
        setenv("XDG_DATA_HOME", engineFolder.c_str(), 1);
        engine = new Kiv();
    }

    static void TearDownTestSuite()
    {
        setenv("XDG_DATA_HOME", engineFolder.c_str(), 1);
        delete engine;
        engine = nullptr;
        std::system(("rm -rf '" + engineFolder + "'").c_str());
    }

    void SetUp() override
    {
        DataFolderSandbox::SetUp();
        global = std::make_unique<Global>();
    }

    void TearDown() override
    {
        global.reset();
        DataFolderSandbox::TearDown();
    }

    static inline Kiv* engine = nullptr;
    static inline std::string engineFolder;
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
    global = std::make_unique<Global>();
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

TEST_F(GlobalWithEngine, AudioQualityAndVolumesStayInsideTheirRanges)
{
    struct Case {
        int quality;
        int frequency;
        int volume;
        float level;
    };
    const Case cases[] = {{0, 11025, 0, 0.0f},  {1, 22050, 12, 0.5f},   {2, 44100, 24, 1.0f},
                          {3, 44100, 25, 1.0f}, {-1, 11025, -6, 0.0f}};
    for (const Case& c : cases) {
        global->hst.audioQuality = c.quality;
        global->hst.soundVolume = c.volume;
        global->hst.musicVolume = c.volume;
        global->applySettings();
        EXPECT_EQ(engine->pAudio->frequency, c.frequency) << c.quality;
        if (engine->pAudio->pMixer) {
            EXPECT_FLOAT_EQ(engine->pAudio->pMixer->soundVolume.load(), c.level) << c.volume;
            EXPECT_FLOAT_EQ(engine->pAudio->pMixer->musicVolume.load(), c.level) << c.volume;
        }
    }
}

TEST_F(GlobalWithEngine, NumbersUseTheLanguageSeparator)
{
    EXPECT_EQ(Global::formatNumber(1234567), "1,234,567");
    EXPECT_EQ(Global::formatNumber(-123), "-123");
}

TEST_F(GlobalWithEngine, MouseSensitivityMapsToHalfToOneAndAHalf)
{
    const double speeds[] = {0.5, 0.75, 1.0, 1.25, 1.5};
    for (int sensitivity = 0; sensitivity <= HSTdata::MAX_MOUSE_SENSITIVITY; ++sensitivity) {
        global->hst.mouseSensitivity = sensitivity;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, speeds[sensitivity]);
    }
}

TEST_F(GlobalWithEngine, FrameRatesOutsideTheOptionRangeNeverStopThePacer)
{
    struct Case {
        int fps;
        double period;
    };
    const Case cases[] = {{0, 1.0 / 25}, {-10, 1.0 / 25}, {25, 1.0 / 25}, {125, 1.0 / 125}, {100000, 1.0 / 125}};
    for (const Case& c : cases) {
        global->hst.maxFps = c.fps;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), c.period) << c.fps;
    }
}

}
