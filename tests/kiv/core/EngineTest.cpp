#include "Context.h"
#include "FramePacer.h"
#include "PermissionsObeyed.h"
#include "SocketAtPath.h"
#include "SteppedHost.h"
#include "SystemClock.h"
#include "TestEngine.h"
#include "TimeKeeper.h"

#include <chrono>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace {

// An engine whose clock the test moves on; its frames do not wait.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override { pEngine = new Kiv(stepped.host()); }
    void TearDown() override { delete pEngine; }
    TemporaryHome home;
    testsupport::SteppedHost stepped;
    Kiv* pEngine = nullptr;
};

// A pause of the window leaves its length out of the engine time
// (whichever way the engine got there and back), unless inactive frames
// keep working; the time after the pause counts again.
TEST_F(EngineTest, ClockLeavesOutTheTimeSpentInactive)
{
    struct Case { int pausedMode; bool bTickWhilePaused; bool bCounted; };
    const Case cases[] = {
        {Kiv::MODE_INACTIVE, false, false},
        {Kiv::MODE_DISPLAYLOST, false, false},
        {Kiv::MODE_INACTIVE, true, true},
    };
    // Whole numbers of the stepped clock's ticks.
    const double PAUSE = 0.25, RUN = 0.125;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pausedMode);
        pEngine->bTickWhilePaused = c.bTickWhilePaused;
        const double start = pEngine->pTimeKeeper->getTime();
        pEngine->changeKIVmode(c.pausedMode);
        stepped.clock.advance(PAUSE);
        pEngine->changeKIVmode(Kiv::MODE_OK);
        const double afterPause = pEngine->pTimeKeeper->getTime();
        stepped.clock.advance(RUN);
        EXPECT_DOUBLE_EQ(afterPause - start, c.bCounted ? PAUSE : 0.0);
        EXPECT_DOUBLE_EQ(pEngine->pTimeKeeper->getTime() - afterPause, RUN) << "running again";
    }
}

// The system's clock: a sleep lets at least that time pass.
TEST(SystemClockTest, SleepLetsTheTimeItIsAskedForPass)
{
    SystemClock clock;
    const double before = clock.seconds();
    const auto start = std::chrono::steady_clock::now();
    clock.sleep(0.03);
    const double slept = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_GE(slept, 0.03);
    // Whole milliseconds: at most one lost at each end.
    EXPECT_NEAR(clock.seconds() - before, slept, 0.002);
}

// A clock on which a sleep lets the time pass, as on the system's.
struct SleepingClock : KivClock {
    double seconds() const override { return now; }
    void sleep(double time) override { now += time; }
    double now = 0.0;
};

// Frames that take less than the frame period wait out the rest of it, so
// that the game keeps its pace; a frame that comes late is caught up by the
// next frames' waits, unless it is late by more than four periods, which
// starts the schedule afresh.
TEST(FramePacing, EngineFramesKeepTheConfiguredPeriodAndCatchUpOnlyASmallDelay)
{
    TemporaryHome home;
    const double PERIOD = 0.02, WORK = 0.004;
    std::filesystem::create_directories(home.dataFolder());
    writeWholeFile(home.dataFolder() + "/Glimmerdaledemo.cfg", "[Kiv]\nframeRate=0.02\n[KivAudio]\nbMute=Yes\n");
    // Seconds of the run after the first frame's work, where the schedule
    // starts: a period a frame, and a late frame that starts it afresh
    // whole besides.
    struct Case { const char* name; double lateFrame; double expectedSeconds; };
    const int FRAMES = 50;
    const Case cases[] = {
        {"Steady", WORK, FRAMES * PERIOD},
        {"SmallDelayCaughtUp", 3 * PERIOD, FRAMES * PERIOD},
        {"LongDelayStartsAfresh", 6 * PERIOD, (FRAMES + 6) * PERIOD},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SleepingClock clock;
        testsupport::SteppedHost parts;
        Kiv engine({clock, parts.audio, parts});
        for (int frame = 0; frame < FRAMES; ++frame) {
            clock.now += frame == FRAMES / 2 ? c.lateFrame : WORK;
            engine.frame(nullptr);
        }
        EXPECT_NEAR(clock.now - WORK, c.expectedSeconds, 1e-9);
    }
}

struct ModeListener : KivBase {
    void onKIVmodeChange(int oldMode, int newMode) override
    {
        steps.emplace_back(oldMode, newMode);
        delete pVictim;
        pVictim = nullptr;
    }
    std::vector<std::pair<int, int>> steps;
    KivBase* pVictim = nullptr;
};

using Steps = std::vector<std::pair<int, int>>;

struct CountingScreen : Context {
    void tickContents(double contentsT, double contentsDt) override
    {
        ++ticks;
        Context::tickContents(contentsT, contentsDt);
    }
    void renderContents() override { ++renders; }
    int ticks = 0, renders = 0;
};

TEST_F(EngineTest, ObjectsMayDeleteOthersWhileHearingAModeStep)
{
    // The registry is walked newest first: the listener hears first and
    // deletes the older object before the walk reaches it.
    KivBase* older = new KivBase();
    ModeListener listener;
    listener.pVictim = older;
    const int before = pEngine->getRegisteredObjectCount();
    pEngine->changeKIVmode(Kiv::MODE_INACTIVE);
    EXPECT_EQ(pEngine->getRegisteredObjectCount(), before - 1);
    EXPECT_EQ(listener.steps, (Steps{{3, 2}}));
}

TEST_F(EngineTest, FrameFollowsTheFocusAndPassesARestartThroughDisplayLost)
{
    ModeListener listener;
    pEngine->bAppActive = false;
    pEngine->frame(nullptr);
    pEngine->bAppActive = true;
    pEngine->bRestartRequested = true;
    pEngine->frame(nullptr);
    EXPECT_EQ(pEngine->mode, Kiv::MODE_DISPLAYLOST);
    pEngine->frame(nullptr);
    EXPECT_EQ(pEngine->mode, Kiv::MODE_OK);
    EXPECT_EQ(listener.steps, (Steps{{3, 2}, {2, 3}, {3, 2}, {2, 1}, {1, 2}, {2, 3}})) << "one restart only";
}

TEST_F(EngineTest, InactiveFramesRenderButDoNotTick)
{
    stepped.bDraw = true;
    CountingScreen screen;
    pEngine->frame(&screen);
    pEngine->bAppActive = false;
    pEngine->frame(&screen);
    pEngine->frame(&screen);
    EXPECT_EQ(screen.ticks, 1);
    EXPECT_EQ(screen.renders, 3);
}

TEST_F(EngineTest, ScreenClockIsCappedAtTheMaximumFrameDurationBeforeItsTimeScale)
{
    CountingScreen screen;
    screen.timeScale = 2.0;
    screen.tick(0.0, 1.0);
    EXPECT_DOUBLE_EQ(screen.dt, 2.0 * pEngine->maxFrameDuration);
}

TEST(EngineLifecycle, ObjectOutlivingItsEngineIsDeletedSafelyUnderTheNext)
{
    TemporaryHome home;
    Kiv* first = new Kiv(KivHost::desktop());
    KivBase* leftover = new KivBase();
    KivBase* newerLeftover = new KivBase();
    delete first;
    Kiv* second = new Kiv(KivHost::desktop());
    KivBase* fresh = new KivBase();
    const int count = second->getRegisteredObjectCount();
    delete leftover;
    delete newerLeftover;
    EXPECT_EQ(second->getRegisteredObjectCount(), count);
    delete fresh;
    EXPECT_EQ(second->getRegisteredObjectCount(), count - 1);
    delete second;
}

// Values edited by hand are read and the warning is restored; garbage lines
// are dropped at the next save; a file that is too large, or something that
// is no file at its name, is kept aside, one that cannot be opened is left as
// it is and not written over, and the defaults take their place.
TEST(EngineConfiguration, EditedValuesAreReadGarbageIsDroppedAndAFileThatCannotBeUsedIsNeverLost)
{
    const std::string valid = formatString("[Kiv]\nwarning=changed by hand\ndebugCode=%d\ndebugLevel=5\n"
                                           "bTickWhilePaused=Yes\n[KivAudio]\nbMute=Yes\n",
                                           Kiv::DEBUG_ACCESS_CODE);
    enum Outcome { READ, KEPT_ASIDE, LEFT_ALONE };
    // Puts something else at the file's name; null leaves the file there.
    using Spoil = void (*)(const std::string& path);
    struct Case { const char* what; std::string text; Spoil spoil; Outcome outcome; const char* logged; };
    const Case cases[] = {
        {"garbage lines", "garbage\n" + valid + "\x01\x02\n=orphan value\n[unclosed\n", nullptr, READ,
         "Dropped 4 lines of '"},
        {"sections of spaces and bytes outside printable ASCII, a value of a million characters",
         valid + "[   ]\norphan=1\n[caf\xe9]\norphan=2\n[unit\x1f]\norphan=3\n[Kiv]\nhuge=" + std::string(1000000, 'k'),
         nullptr, READ, "Dropped 7 lines of '"},
        {"larger than 1 MB", valid + std::string(Kiv::MAX_CONFIG_SIZE, 'k'), nullptr, KEPT_ASIDE,
         ".damaged': it is larger than 1048576 bytes."},
        {"unreadable", valid, [](const std::string& path) { chmod(path.c_str(), 0); }, LEFT_ALONE,
         "Glimmerdaledemo.cfg': it cannot be opened (Permission denied); it is left as it is and will not be "
         "replaced."},
        {"a socket", "", [](const std::string& path) { ASSERT_EQ(leaveSocketAt(path), "") << path; }, KEPT_ASIDE,
         ".damaged': it is not a regular file."},
        {"a FIFO", "", [](const std::string& path) { mkfifo(path.c_str(), 0600); }, KEPT_ASIDE,
         ".damaged': it is not a regular file."},
        {"a folder", "", [](const std::string& path) { std::filesystem::create_directory(path); }, KEPT_ASIDE,
         ".damaged': it is not a regular file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TemporaryHome home;
        std::filesystem::create_directories(home.dataFolder());
        const std::string path = home.dataFolder() + "/Glimmerdaledemo.cfg";
        if (!c.text.empty())
            writeWholeFile(path, c.text);
        if (c.spoil) {
            ASSERT_NO_FATAL_FAILURE(c.spoil(path));
        }
        const std::filesystem::file_type type = std::filesystem::symlink_status(path).type();
        Kiv* engine;
        {
            PermissionsObeyed obeyed;
            engine = new Kiv(KivHost::desktop());
        }
        const bool bDefaults = c.outcome != READ;
        EXPECT_EQ(engine->debugLevel, bDefaults ? 0 : 5);
        EXPECT_EQ(engine->bTickWhilePaused, !bDefaults);
        delete engine;
        EXPECT_NE(readWholeFile(home.dataFolder() + "/Glimmerdaledemo.log").find(c.logged), std::string::npos);
        chmod(path.c_str(), 0600);
        // Never read what is no file: a FIFO would wait for a writer.
        if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path))) {
            ADD_FAILURE() << "no file saved in its place";
            continue;
        }
        const std::string written = readWholeFile(path);
        if (c.outcome == LEFT_ALONE) {
            EXPECT_EQ(written, c.text) << "never written over";
        } else {
            EXPECT_EQ(written.rfind("[Kiv]\nwarning=" + std::string(Kiv::CONFIG_WARNING) + "\n", 0), 0u) << written;
            EXPECT_EQ(written.find("debugLevel=5") != std::string::npos, !bDefaults) << written;
            for (const char* dropped : {"garbage", "\x01", "orphan", "unclosed", "kkkkkkkk", "[ ", "\xe9", "\x1f"})
                EXPECT_EQ(written.find(dropped), std::string::npos) << "nor a section made of it: " << written;
            EXPECT_EQ(written.find("bMute=Yes") != std::string::npos, !bDefaults) << written;
        }
        const std::string kept = path + ".damaged";
        chmod(kept.c_str(), 0600);
        if (type != std::filesystem::file_type::regular)
            EXPECT_EQ(std::filesystem::symlink_status(kept).type(), type);
        else
            EXPECT_EQ(readWholeFile(kept), c.outcome == KEPT_ASIDE ? c.text : "");
    }
}

} // namespace
