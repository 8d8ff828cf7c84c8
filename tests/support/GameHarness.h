#pragma once
// GameHarness: the real game, started headlessly in the test process and
// stepped with a fixed dt, never sleeping and never reading the clock. It
// starts the way the program's first frame does (new Kiv, new MyGlobal,
// initPreLoader) in the generated game data (KIV_BINARY_DIR/data), with a
// data home of its own (a 640 x 480 window, and by default one player in the
// roster so that the main menu does not ask for a name), and steps frames
// until the main menu is the active screen and the view has opened, skipping
// the intro with Escape (with bPlayIntro it stops instead after the intro's
// first frame and leaves the intro to play). The loader runs once per
// process, so the game starts once per process and every test of a program
// shares it (ctest runs each test in a process of its own). Used by the game
// tests; main thread only.
//
// Usage:
//   using namespace testsupport;
//   GameHarness& game = GameHarness::get();         // started, at the main menu
//   GameHarness::seed(7);                           // std::srand: seed right before
//                                                   // the part that must repeat
//   clickOn(game.mainMenu()->pStartButton);         // fed through KivInput ...
//   game.step();                                    // ... seen by the next frame
//   ASSERT_TRUE(game.stepUntil([&] { return game.active<ContextGametypes>(); }));
//   pressKey(KEY_ESCAPE);  pressKey(KivInput::scanCodeFromSDLKey(SDLK_a));
//   clickAt(x, y, screen);                          // a world point of a screen
//   game.stepSeconds(2.5);  game.step(10);
//   game.driver.bDraw = true;                       // only to read pixels
//   game.recorder.bRecording = true;                // sounds and music per frame
//   game.recorder.observer = [&](FrameRecord& r) { r.notes.push_back(...); };
//   game.step(100);  EXPECT_EQ(game.recorder.timesStarted("pop"), 1);
//   game.currentGame();  game.stack();  game.activeScreen();
//   game.shutdown();       // as the program ends; also done after the last test
// Clicks and keys act in the next step; a click leaves the mouse where it
// clicked. Audio is not muted (SDL's dummy driver), so sounds are recorded.
#include "ApplicationInfo.h"
#include "ContextLogo.h"
#include "ContextManager.h"
#include "FileManager.h"
#include "FrameDriver.h"
#include "FrameRecorder.h"
#include "Kiv.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProfileManager.h"
#include "ProgramRun.h"
#include "RadialFader.h"
#include "SyntheticInput.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>

namespace testsupport {

struct GameOptions {
    double dt = FrameDriver::DEFAULT_DT;
    // One player, "Tester", in the roster; without it the roster is empty
    // and the main menu asks for a name at once.
    bool bOnePlayer = true;
    // Stop at the intro's first frame instead of skipping it.
    bool bPlayIntro = false;
};

class GameHarness {
public:
    // Frames after which stepUntil gives up unless told otherwise.
    static constexpr int DEFAULT_MAX_FRAMES = 10000;

    // The running game. The first call starts it with the options (later
    // calls ignore them) and returns after the first frame in which the main
    // menu was the active screen with the view fully open (with an empty
    // roster the new-player screen that the menu asks for is then on top),
    // or, with bPlayIntro, after the intro's first frame; a start that does
    // not get there is a test failure, and so is a call after shutdown.
    static GameHarness& get(const GameOptions& options = GameOptions())
    {
        GameHarness& harness = instance();
        if (!harness.bStarted)
            harness.start(options);
        else if (!pGlobal)
            ADD_FAILURE() << "the game has ended; it starts only once per process";
        return harness;
    }

    // Frames of dt seconds each.
    void step(int count = 1)
    {
        for (int i = 0; i < count && pGlobal; ++i) {
            recorder.beforeFrame(pGlobal->pResourceRoot);
            driver.step(pGlobal->pContextManager);
            recorder.afterFrame(driver.frames, pKiv->frameTime);
        }
    }
    // As many frames as it takes for seconds to pass.
    void stepSeconds(double seconds) { step(static_cast<int>(std::ceil(seconds / driver.dt - 1e-9))); }
    // Steps until done() holds, checking before each frame; false when it
    // still does not after maxFrames.
    bool stepUntil(const std::function<bool()>& done, int maxFrames = DEFAULT_MAX_FRAMES)
    {
        for (int i = 0; i < maxFrames; ++i) {
            if (done())
                return true;
            step();
        }
        return done();
    }
    // The game draws its random numbers from std::rand.
    static void seed(unsigned value) { std::srand(value); }

    ContextManager* stack() const { return pGlobal ? pGlobal->pContextManager : nullptr; }
    // The top of the stack: the screen the next frame ticks.
    Context* activeScreen() const { return pGlobal ? pGlobal->pContextManager->getActiveContext() : nullptr; }
    template <typename T>
    T* active() const
    {
        return dynamic_cast<T*>(activeScreen());
    }
    // The main menu while it is the top of the stack, else null.
    MyContextMain* mainMenu() const { return active<MyContextMain>(); }
    GameController* currentGame() const { return pGlobal ? getMyGlobal()->pCurrentGame : nullptr; }

    // Ends the program as its main loop does (WMhooks' shutdown: MyGlobal,
    // then the engine), without opening a web page; the game does not start
    // again in this process. Nothing when it is not running.
    static void shutdown()
    {
        if (!pGlobal)
            return;
        pGlobal->urlToOpenOnExit.clear();
        ::shutdown();
    }

    // The data home and the data folder (configuration, log, player files).
    std::string home;
    std::string dataFolder;
    int framesToMainMenu = 0;
    FrameDriver driver;
    FrameRecorder recorder;

private:
    static GameHarness& instance()
    {
        static GameHarness harness;
        return harness;
    }

    void start(const GameOptions& options)
    {
        bStarted = true;
        driver.dt = options.dt;
        // A test never plays through the speakers, and a muted engine would
        // start no sound that the recorder could see.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        pFolder = std::make_unique<TemporaryFolder>("kiv-game");
        home = pFolder->path();
        useAsDataHome(home);
        dataFolder = makeWindowedDataFolder(home);
        if (options.bOnePlayer) {
            unsigned char roster[ProfileManager::FILE_SIZE] = {};
            std::memcpy(roster + offsetof(ProfileManager, profiles), "Tester", 7);
            FileManager().savePackedFile(dataFolder, std::string(APPLICATION_NAME) + ".pro", APPLICATION_VERSION,
                                         roster, sizeof(roster));
        }
        const std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
        if (chdir(gameData.c_str()) != 0) {
            ADD_FAILURE() << "no game data in " << gameData;
            return;
        }
        seed(1);
        new Kiv();
        pGlobal = new MyGlobal();
        pGlobal->initPreLoader();
        const bool bPlayIntro = options.bPlayIntro;
        const bool arrived = stepUntil([this, bPlayIntro] {
            if (bPlayIntro)
                return dynamic_cast<ContextLogo*>(stack()->active.get()) != nullptr;
            skipIntro();
            // The intro closes the view; the menu is seen once it has opened again.
            return dynamic_cast<MyContextMain*>(stack()->active.get()) != nullptr && stack()->pFader->coverage == 0.0f;
        });
        framesToMainMenu = driver.frames;
        if (!arrived)
            ADD_FAILURE() << "no " << (bPlayIntro ? "intro" : "main menu") << " after " << framesToMainMenu
                          << " frames";
    }

    // Escape while the intro is on top and has not ended by itself, so that
    // the press never reaches the main menu (where it would ask to quit).
    void skipIntro() const
    {
        const ContextLogo* intro = active<ContextLogo>();
        if (intro && !intro->bFinished)
            pressKey(KEY_ESCAPE);
    }

    bool bStarted = false;
    std::unique_ptr<TemporaryFolder> pFolder;

    friend class GameHarnessShutdown;
};

// Ends a game still running after the last test of the program.
class GameHarnessShutdown : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (GameHarness::instance().bStarted)
            GameHarness::shutdown();
    }
};

inline ::testing::Environment* const gameHarnessShutdown =
    ::testing::AddGlobalTestEnvironment(new GameHarnessShutdown);

} // namespace testsupport
