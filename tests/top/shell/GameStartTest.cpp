// The game's own start-up, run in this process by the shared game harness:
// the road to the main menu, the load-game button, the screen as drawn, and
// the end of the program in the middle of a game.
#include "GameHarness.h"

#include "ContextManager.h"
#include "ContextPost.h"
#include "ContextPre.h"
#include "GameController.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Loader.h"
#include "MemoryImageFile.h"
#include "MenuButton.h"
#include "MenuButtonLoadGame.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ResourceManager.h"
#include "WholeFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace gametest {
namespace {

using namespace testsupport;

TEST(GameStart, ReachesTheMainMenuOverTheFinishedLoader)
{
    const GameHarness& game = GameHarness::get();
    ASSERT_NE(game.mainMenu(), nullptr);
    ContextManager* stack = game.stack();
    ASSERT_EQ(stack->getChildCount(), 2);
    EXPECT_NE(dynamic_cast<Loader*>(static_cast<KivBase*>(stack->pFirstChild)), nullptr);
    EXPECT_EQ(game.mainMenu()->pBackgroundContext, static_cast<Context*>(pGlobal->pContextPre));
    EXPECT_EQ(game.mainMenu()->pForegroundContext, static_cast<Context*>(pGlobal->pContextPost));

    const std::string log = readWholeFile(game.dataFolder + "/Glimmerdaledemo.log");
    EXPECT_NE(log.find("loadStuff(): Single language mode (0)."), std::string::npos);
    EXPECT_NE(log.find("initPostLoader(): Global initialization complete"), std::string::npos);
    EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
}

TEST(GameStart, LoadGameButtonClosesItsDialogOverTheRunningGameSilently)
{
    GameHarness& game = GameHarness::get();
    MyGlobal* global = getMyGlobal();
    GameController* running = new GameController();
    game.stack()->pushContext(running);
    global->pCurrentGame = running;
    Context* dialog = new Context();
    dialog->bDeleteWhenFinished = true;
    MenuButtonLoadGame* button = new MenuButtonLoadGame(0.0f, 0.0f, 0.0f, "Continue", "");
    dialog->addChildLast(button);
    game.stack()->pushContext(dialog);
    game.step();
    ASSERT_EQ(game.activeScreen(), dialog);

    game.recorder = FrameRecorder();
    game.recorder.bRecording = true;
    clickOn(button);
    game.step(2);
    EXPECT_EQ(game.activeScreen(), running);
    EXPECT_EQ(game.recorder.timesStarted("mouseClick"), 0);

    global->pCurrentGame = nullptr;
    game.stack()->removeChild(running);
    delete running;
    game.step();
    EXPECT_NE(game.mainMenu(), nullptr);
}

TEST(GameStart, MainMenuIsDrawnOverTheScenery)
{
    GameHarness& game = GameHarness::get();
    // One frame of the engine's own, which alone saves a requested screenshot.
    pKiv->requestScreenshot();
    pKiv->frame(game.stack());
    const std::string shot = game.dataFolder + "/Glimmerdaledemo-0001.jpg";
    ASSERT_TRUE(std::filesystem::exists(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 4096u);
    if (const char* keep = std::getenv("KIV_KEEP_SCREENSHOT"))
        std::filesystem::copy_file(shot, keep, std::filesystem::copy_options::overwrite_existing);

    bool ok = false;
    std::unique_ptr<MemoryImageFile> screen(pKiv->pGraphics->grabScreen(&ok));
    ASSERT_TRUE(ok);
    auto pixel = [&](int x, int y) {
        const unsigned char* p = screen->pImageData + 4 * (y * screen->width + x);
        return UColor(p[0], p[1], p[2], p[3]);
    };
    // Sky above, grass below, the start button's frame in the middle.
    const UColor sky = pixel(screen->width / 2, 10);
    EXPECT_GT(sky.b, sky.r) << "sky";
    const UColor grass = pixel(screen->width / 2, screen->height - 25);
    EXPECT_GT(grass.g, grass.b) << "grass";
    const MenuButton* start = game.mainMenu()->pStartButton;
    const int buttonY = screen->height / 2 - static_cast<int>(start->position.y) * screen->height / 480;
    const UColor button = pixel(screen->width / 2 - 100 * screen->width / 640, buttonY);
    EXPECT_FALSE(button == sky) << "button";
}

// A game that is still running when the program ends.
struct RunningGame : GameController {
    explicit RunningGame(bool* deleted) : pDeleted(deleted) {}
    ~RunningGame() override { *pDeleted = true; }
    bool* pDeleted;
};

// Ends the game of this process, so it stays the last test of the program.
TEST(GameStart, EndingInTheMiddleOfAGameLeavesACleanLogAndThePlayerFiles)
{
    GameHarness& game = GameHarness::get();
    bool bGameDeleted = false;
    RunningGame* running = new RunningGame(&bGameDeleted);
    running->bDeleteWhenFinished = true;
    game.stack()->pushContext(running);
    game.step();
    getMyGlobal()->pCurrentGame = running;
    GameHarness::shutdown();
    EXPECT_TRUE(bGameDeleted);
    EXPECT_EQ(pGlobal, nullptr);
    EXPECT_EQ(pKiv, nullptr);

    const std::string log = readWholeFile(game.dataFolder + "/Glimmerdaledemo.log");
    EXPECT_NE(log.find("~Kiv(): Done. Clean exit."), std::string::npos) << log;
    EXPECT_EQ(log.find("objects still allocated"), std::string::npos) << log;
    EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
    for (const char* file : {"Glimmerdaledemo.cfg", "Glimmerdaledemo.hst", "Glimmerdaledemo.pro"})
        EXPECT_TRUE(std::filesystem::exists(game.dataFolder + "/" + file)) << file;
}

}
}
