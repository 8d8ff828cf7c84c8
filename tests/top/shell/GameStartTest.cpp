// The game's own start-up: the road to the main menu, the solution sets, the
// main menu's start button, the load-game button and the screen as drawn.
#include "GameRun.h"

#include "ContextGametypes.h"
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
#include "SolutionData.h"
#include "Sound.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <utility>

namespace gametest {
namespace {

TEST(GameStart, ReachesTheMainMenuOverTheFinishedLoader)
{
    const GameRun& run = gameRun();
    ASSERT_NE(mainMenu(), nullptr) << "no main menu after " << run.framesToMainMenu << " frames";
    ContextManager* stack = pGlobal->pContextManager;
    ASSERT_EQ(stack->getChildCount(), 2);
    EXPECT_NE(dynamic_cast<Loader*>(static_cast<KivBase*>(stack->pFirstChild)), nullptr);
    EXPECT_EQ(mainMenu()->pBackgroundContext, static_cast<Context*>(pGlobal->pContextPre));
    EXPECT_EQ(mainMenu()->pForegroundContext, static_cast<Context*>(pGlobal->pContextPost));

    const std::string log = readWholeFile(run.dataFolder + "/Glimmerdaledemo.log");
    EXPECT_NE(log.find("doFrame(): Entering game loop."), std::string::npos);
    EXPECT_NE(log.find("loadStuff(): Single language mode (0)."), std::string::npos);
    EXPECT_NE(log.find("initPostLoader(): Global initialization complete"), std::string::npos);
    EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
}

TEST(GameStart, RegistersTheNineSolutionSets)
{
    gameRun();
    const std::pair<int, int> sizes[] = {{3, 3}, {3, 4}, {4, 4}, {4, 5}, {5, 5}, {5, 6}, {6, 6}, {6, 7}, {7, 7}};
    for (const auto& [width, height] : sizes) {
        const UString key = formatString("solution%dx%d", width, height);
        SolutionData* set = dynamic_cast<SolutionData*>(pKiv->pResourceManager->find(key, false));
        ASSERT_NE(set, nullptr) << key;
        EXPECT_EQ(set->getParent(), pGlobal->pResourceRoot) << key;
        EXPECT_EQ(set->sizeX, width) << key;
        EXPECT_EQ(set->sizeY, height) << key;
        EXPECT_EQ(set->recordSize, width * height) << key;
        ASSERT_GT(set->count, 0) << key;
        EXPECT_EQ(static_cast<uint32_t>(set->count), set->file.size / static_cast<uint32_t>(width * height)) << key;
    }
    for (const char* missing : {"solution3x5", "solution4x6", "solution5x7"})
        EXPECT_EQ(pKiv->pResourceManager->find(missing, false), nullptr) << missing;
}

TEST(GameStart, StartButtonOpensOneModeScreenEachTime)
{
    gameRun();
    ContextManager* stack = pGlobal->pContextManager;
    for (int round = 0; round < 2; ++round) {
        MyContextMain* menu = mainMenu();
        ASSERT_NE(menu, nullptr);
        const int screens = stack->getChildCount();
        menu->pStartButton->click();
        pass();
        ContextGametypes* modes = dynamic_cast<ContextGametypes*>(top());
        ASSERT_NE(modes, nullptr) << round;
        EXPECT_EQ(stack->getChildCount(), screens + 1);
        pass();
        EXPECT_EQ(stack->getChildCount(), screens + 1);
        modes->pBackButton->click();
        pass();
        pass();
        EXPECT_EQ(top(), menu) << round;
        EXPECT_EQ(stack->getChildCount(), screens);
    }
}

TEST(GameStart, LoadGameButtonClosesItsDialogOverTheRunningGame)
{
    gameRun();
    MyGlobal* global = getMyGlobal();
    ContextManager* stack = pGlobal->pContextManager;
    GameController* game = new GameController();
    stack->pushContext(game);
    global->pCurrentGame = game;
    Context* dialog = new Context();
    dialog->bDeleteWhenFinished = true;
    MenuButtonLoadGame* button = new MenuButtonLoadGame(0.0f, 0.0f, 0.0f, "Continue", "");
    dialog->addChildLast(button);
    stack->pushContext(dialog);
    pass();
    ASSERT_EQ(top(), dialog);

    const Sound* click = pKiv->pResourceManager->findAs<Sound>("mouseClick");
    const double lastClick = click->lastStartTime;
    button->click();
    EXPECT_TRUE(dialog->bFinished);
    EXPECT_EQ(click->lastStartTime, lastClick);
    pass();
    EXPECT_EQ(top(), game);

    global->pCurrentGame = nullptr;
    stack->removeChild(game);
    delete game;
    pass();
    EXPECT_NE(mainMenu(), nullptr);
}

TEST(GameStart, MainMenuIsDrawnOverTheScenery)
{
    const GameRun& run = gameRun();
    pKiv->requestScreenshot();
    pass();
    const std::string shot = run.dataFolder + "/Glimmerdaledemo-0001.jpg";
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
    const MenuButton* start = mainMenu()->pStartButton;
    const int buttonY = screen->height / 2 - static_cast<int>(start->position.y) * screen->height / 480;
    const UColor button = pixel(screen->width / 2 - 100 * screen->width / 640, buttonY);
    EXPECT_FALSE(button == sky) << "button";
}

}
}
