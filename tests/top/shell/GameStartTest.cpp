// The game's own start-up, run in this process by the shared game harness:
// the road to the main menu, a screenshot of it, and the end of the program
// in the middle of a game.
#include "GameHarness.h"

#include "ContextPost.h"
#include "ContextPre.h"
#include "Loader.h"

namespace gametest {
namespace {

using namespace testsupport;

// A game that is still running when the program ends.
struct RunningGame : GameController {
    explicit RunningGame(bool* deleted) : pDeleted(deleted) {}
    ~RunningGame() override { *pDeleted = true; }
    bool* pDeleted;
};

// Ends the game of this process.
TEST(GameStart, ReachesTheMenuOverTheLoaderSavesAScreenshotAndEndsCleanlyInTheMiddleOfAGame)
{
    GameHarness& game = GameHarness::get();
    ASSERT_NE(game.mainMenu(), nullptr);
    ASSERT_EQ(game.stack()->getChildCount(), 2);
    EXPECT_NE(dynamic_cast<Loader*>(static_cast<KivBase*>(game.stack()->pFirstChild)), nullptr);
    EXPECT_EQ(game.mainMenu()->pBackgroundContext, static_cast<Context*>(pGlobal->pContextPre));
    EXPECT_EQ(game.mainMenu()->pForegroundContext, static_cast<Context*>(pGlobal->pContextPost));
    // One frame of the engine's own, which alone saves a requested screenshot.
    pKiv->requestScreenshot();
    pKiv->frame(game.stack());
    const std::string shot = game.dataFolder + "/Glimmerdaledemo-0001.jpg";
    ASSERT_TRUE(std::filesystem::exists(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 4096u);

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
