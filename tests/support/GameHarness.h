#pragma once
// GameHarness: the real game, started headlessly in the test process and
// stepped with a fixed dt, never sleeping and never reading the clock. It
// starts as the program's first frame does (startGame), on a host of its
// own (SteppedHost), in the generated game data (KIV_BINARY_DIR/data, or
// a working folder the test made, for an edition file of its own), with
// a data home of its own (a 640 x 480 window, one player "Tester" in the
// roster so that the main menu does not ask for a name), the C library's
// sequence seeded and the intro drawing its seed from that sequence instead
// of the clock. Each step is a pass of the program's own main loop
// (runLoopPass), its window's events the ones the test fed, and an end of
// that loop ends the program through its own shutdown, with a stand-in
// xdg-open first on PATH (StandInOpener) taking the web page the program
// opens at its end. The start steps frames until the main menu is the
// active screen and the view has opened, skipping the intro with Escape (or
// stops after the intro's first frame and leaves the intro to play, or
// stops before the first frame, for a test that walks the loader and the
// start-up screens). A test on a display of its own may pass on the events
// SDL has from X instead (passOnSdlEvents), a real grab among them.
// The loader runs once per process, so the game starts once per process
// and every test of a program shares it (ctest runs each test in a process
// of its own); it ends after the last test. Used by the game tests; main
// thread only.
//
//   GameHarness& game = GameHarness::get();      // started, at the main menu
//   GameHarness::start({dt, GameHarness::AT_LAUNCH, seed, prepare}); // the first call only
//   GameHarness::seed(7);                        // std::srand, right before what must repeat
//   clickOn(game.mainMenu()->pStartButton);      // fed, read by the next loop pass
//   ASSERT_TRUE(game.stepUntil([&] { return game.active<ContextGametypes>(); }));
//   game.stepSeconds(2.5);  game.step(10);
//   game.passOnSdlEvents();                      // SDL's own events
//   Context* stage = game.pushStage();           // a bare screen for objects under test
//   game.show(new ContextEnding());   // pushed and made active
//   game.backToMenu();                // closes every screen over the menu
//   game.stepped.bDraw = true;                   // only to read pixels
//   game.recordAfresh();                         // sounds and music per frame
//   game.step(100);  EXPECT_EQ(game.recorder.timesStarted("pop"), 1);
// Audio is not muted (the sound is mixed in step), so sounds are recorded.
#include "ContextManager.h"
#include "FileManager.h"
#include "KivAudio.h"
#include "KivHost.h"
#include "KivInput.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProgramRun.h"
#include "RadialFader.h"
#include "ResourceManager.h"
#include "Sound.h"
#include "SoundStream.h"
#include "StandInOpener.h"
#include "SteppedHost.h"
#include "SyntheticInput.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"
#include "game/GameController.h"
#include "rules/StandardRandom.h"
#include "scenes/ContextLogo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <string>

namespace testsupport {

// FrameRecorder: what a run did frame by frame, for tests to assert on: the
// sounds started in each frame (by resource key) and the key of the music
// track current after it; an observer may look at the game after each
// frame. Sounds are seen through what the engine keeps anyway: a start sets
// the Sound's lastStartTime to the audio device's frame time, which every
// working frame moves on, so a lastStartTime that changed across a frame is
// a start in that frame. Several starts of one sound in a frame count once;
// a start refused by the sound's minimum interval is none. Audio must not be
// muted (a muted engine starts nothing).
// Records only while bRecording is set; GameHarness calls beforeFrame and
// afterFrame around each step. Main thread only.
struct FrameRecord {
    // The frames run after this one.
    int frame = 0;
    std::vector<std::string> sounds;
    // Empty while no track is current.
    std::string music;
};

class FrameRecorder {
public:
    // Takes note of every sound among soundRoot's children (for the game:
    // Global's resource root).
    void beforeFrame(const KivBase* soundRoot)
    {
        starts.clear();
        if (!bRecording)
            return;
        for (const BasicLink* link = soundRoot->pFirstChild; link; link = link->pNext)
            if (const Sound* sound = dynamic_cast<const Sound*>(static_cast<const KivBase*>(link)))
                starts.emplace_back(sound, sound->lastStartTime);
    }

    void afterFrame(int frame)
    {
        if (!bRecording)
            return;
        FrameRecord record;
        record.frame = frame;
        const ResourceManager& resources = *pKiv->pResourceManager;
        for (const auto& [sound, lastStart] : starts)
            if (sound->lastStartTime != lastStart)
                record.sounds.push_back(resources.findKey(sound));
        if (const SoundStream* music = pKiv->pAudio->pMusic)
            record.music = resources.findKey(music);
        if (observer)
            observer(record);
        frames.push_back(std::move(record));
    }

    // The number of recorded frames in which the sound started.
    int timesStarted(const std::string& key) const
    {
        return static_cast<int>(std::count_if(frames.begin(), frames.end(), [&key](const FrameRecord& record) {
            return std::find(record.sounds.begin(), record.sounds.end(), key) != record.sounds.end();
        }));
    }

    bool bRecording = false;
    std::vector<FrameRecord> frames;
    // Called after each recorded frame.
    std::function<void(const FrameRecord&)> observer;

private:
    std::vector<std::pair<const Sound*, double>> starts;
};

// The children of a layer that are a T and not dead, in order.
template <typename T>
std::vector<T*> childrenOf(const KivBase* layer)
{
    std::vector<T*> found;
    for (BasicLink* link = layer->pFirstChild; link; link = link->pNext)
        if (T* child = dynamic_cast<T*>(static_cast<KivBase*>(link)); child && !link->bDead)
            found.push_back(child);
    return found;
}

class GameHarness {
public:
    // Frames after which stepUntil gives up unless told otherwise.
    static constexpr int DEFAULT_MAX_FRAMES = 10000;

    // Where a start stops: at the main menu with its view open, at the
    // intro's first frame, or before the first frame (the loader alone on
    // the stack).
    enum Stop { AT_MENU, AT_INTRO, AT_LAUNCH };

    // How the game is started.
    struct Start {
        // The fixed step.
        double dt = SteppedHost::DEFAULT_DT;
        Stop stop = AT_MENU;
        // The C library's seed before the game is made.
        unsigned seed = 1;
        // Called with the data folder before the game is made, to leave in
        // it what a previous run would have (the configuration and the
        // roster are there by then).
        std::function<void(const std::string& dataFolder)> prepare;
        // The folder the game runs in (its data archive and edition file);
        // empty: the generated game data, KIV_BINARY_DIR/data.
        std::string workingFolder;
    };

    // The running game. The first call starts it as asked (later calls
    // ignore how); a start that does not reach where it should stop is a
    // test failure, and so is a call after shutdown.
    static GameHarness& start(const Start& how)
    {
        static GameHarness harness;
        if (!harness.pFolder)
            harness.begin(how);
        else if (!pGlobal)
            ADD_FAILURE() << "the game has ended; it starts only once per process";
        return harness;
    }
    static GameHarness& get(double dt = SteppedHost::DEFAULT_DT, bool bPlayIntro = false)
    {
        Start how;
        how.dt = dt;
        how.stop = bPlayIntro ? AT_INTRO : AT_MENU;
        return start(how);
    }

    // One pass of the program's main loop (the events fed, then a frame),
    // stepped.dt seconds on; false when the loop has ended, the program's
    // shutdown then the caller's.
    bool pass()
    {
        // The window's pointer grab is taken as held (as after a player's
        // first click): a real grab of the shared X display would stall
        // every other program on it for as long as this one runs.
        pKiv->pInput->bGrabbed = true;
        return stepped.step([] { return runLoopPass(takeFedEvent); });
    }
    // One pass as the program runs it: the window's events are those SDL
    // has from X (pollWindowEvent), not the ones fed, and a grab is the
    // program's own, a real one (take it only on a display of the test's
    // own). False when the loop would end; nothing is shut down.
    bool passOnSdlEvents()
    {
        return stepped.step([] { return runLoopPass(pollWindowEvent); });
    }
    // Passes of stepped.dt seconds each; when the loop ends, the program
    // shuts down and the passes stop.
    void step(int count = 1)
    {
        for (int i = 0; i < count && pGlobal; ++i) {
            recorder.beforeFrame(pGlobal->pResourceRoot);
            const bool bGoesOn = pass();
            recorder.afterFrame(stepped.frames);
            if (!bGoesOn)
                shutdown();
        }
    }
    void stepSeconds(double seconds) { step(static_cast<int>(std::ceil(seconds / stepped.dt - 1e-9))); }
    // Steps until done() holds, checking before each frame; false when it
    // still does not after maxFrames.
    bool stepUntil(const std::function<bool()>& done, int maxFrames = DEFAULT_MAX_FRAMES)
    {
        for (int i = 0; i < maxFrames && !done(); ++i)
            step();
        return done();
    }
    // The recorder emptied (its observer too), recording from the next frame.
    void recordAfresh()
    {
        recorder = FrameRecorder();
        recorder.bRecording = true;
    }
    // The game draws its random numbers from std::rand.
    static void seed(unsigned value) { std::srand(value); }

    ContextManager* stack() const { return pGlobal->pContextManager; }
    // The top of the stack: the screen the next frame ticks.
    Context* activeScreen() const { return pGlobal ? stack()->getActiveContext() : nullptr; }
    template <typename T>
    T* active() const { return dynamic_cast<T*>(activeScreen()); }
    MyContextMain* mainMenu() const { return active<MyContextMain>(); }
    // Null when no game runs, or the program has ended.
    GameController* currentGame() const { return pGlobal ? getMyGlobal()->pCurrentGame : nullptr; }

    // Steps until the main menu is the active screen and its view has opened
    // (the intro closes the view), pressing Escape while the intro plays (at
    // the menu it would ask to quit); false when that does not come.
    bool skipToMenu()
    {
        return stepUntil([this] {
            if (introPlays())
                pressKey(KEY_ESCAPE);
            return menuShown();
        });
    }
    // The intro is the active screen and has not finished.
    bool introPlays() const
    {
        const ContextLogo* intro = dynamic_cast<ContextLogo*>(stack()->active.get());
        return intro && !intro->bFinished;
    }
    // The main menu is the active screen and the view has opened on it.
    bool menuShown() const
    {
        return dynamic_cast<MyContextMain*>(stack()->active.get()) && stack()->pFader->coverage == 0.0f;
    }

    // The screen pushed on top and the frame that makes it active (it has
    // then been ticked once); a test failure when it is not made active.
    template <typename Screen>
    Screen* show(Screen* screen)
    {
        stack()->pushContext(screen);
        step();
        EXPECT_EQ(stack()->active.get(), screen);
        return screen;
    }

    // Closes every screen over the main menu, the top one first, a frame
    // each, and steps until the menu is active again; false when it does
    // not come.
    bool backToMenu()
    {
        return stepUntil(
            [this] {
                if (mainMenu())
                    return stack()->active.get() == mainMenu();
                activeScreen()->bFinished = true;
                return false;
            },
            100);
    }

    // A bare screen pushed on top and made active, ticked (and drawn) by the
    // game's frames; setting its bFinished takes it off and deletes it.
    Context* pushStage()
    {
        Context* stage = new Context();
        stage->bDeleteWhenFinished = true;
        stack()->pushContext(stage);
        step();
        return stage;
    }

    // Ends the program as its main loop does (WMhooks' shutdown). Nothing
    // when it is not running.
    static void shutdown()
    {
        if (pGlobal)
            ::shutdown();
    }

    // The data home and the data folder (configuration, log, player files).
    std::string home;
    std::string dataFolder;
    SteppedHost stepped;
    FrameRecorder recorder;
    // Where the web page the program opens at its end goes.
    StandInOpener opener;

private:
    void begin(const Start& how)
    {
        stepped.dt = how.dt;
        pFolder = std::make_unique<TemporaryFolder>("kiv-game");
        home = pFolder->path();
        useAsDataHome(home);
        dataFolder = makeWindowedDataFolder(home);
        unsigned char roster[ProfileManager::FILE_SIZE] = {};
        std::memcpy(roster + offsetof(ProfileManager, profiles), "Tester", 7);
        FileManager().savePackedFile(dataFolder, std::string(APPLICATION_NAME) + ".pro", APPLICATION_VERSION, roster,
                                     sizeof(roster));
        if (how.prepare)
            how.prepare(dataFolder);
        const std::string working = how.workingFolder.empty() ? KIV_BINARY_DIR "/data" : how.workingFolder;
        if (chdir(working.c_str()) != 0) {
            ADD_FAILURE() << "no game data in " << working;
            return;
        }
        seed(how.seed);
        startGame(stepped.host());
        getMyGlobal()->pIntroRandom = &StandardRandom::shared();
        if (how.stop == AT_LAUNCH)
            return;
        const bool arrived = how.stop == AT_INTRO
                                 ? stepUntil([this] { return dynamic_cast<ContextLogo*>(stack()->active.get()); })
                                 : skipToMenu();
        if (!arrived)
            ADD_FAILURE() << "no " << (how.stop == AT_INTRO ? "intro" : "main menu") << " after " << stepped.frames
                          << " frames";
    }

    std::unique_ptr<TemporaryFolder> pFolder;
};

// Ends a game still running after the last test of the program.
class GameHarnessShutdown : public ::testing::Environment {
public:
    void TearDown() override { GameHarness::shutdown(); }
};

inline ::testing::Environment* const gameHarnessShutdown =
    ::testing::AddGlobalTestEnvironment(new GameHarnessShutdown);

} // namespace testsupport
