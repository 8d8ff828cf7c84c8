#include "GameRun.h"

#include "ApplicationInfo.h"
#include "ContextManager.h"
#include "FileManager.h"
#include "GameController.h"
#include "Kiv.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProfileManager.h"
#include "ProgramRun.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"

#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace gametest {
namespace {

GameRun& state()
{
    static GameRun run;
    return run;
}

// A game that is still running when the program ends.
struct RunningGame : GameController {
    explicit RunningGame(bool* deleted) : pDeleted(deleted) {}
    ~RunningGame() override { *pDeleted = true; }
    bool* pDeleted;
};

void start(GameRun& run)
{
    char pattern[] = "/tmp/kiv-game-XXXXXX";
    if (!mkdtemp(pattern))
        std::abort();
    run.home = pattern;
    useAsDataHome(run.home);
    run.dataFolder = makeWindowedDataFolder(run.home);
    // Somebody plays already, so the main menu does not ask for a name.
    unsigned char roster[ProfileManager::FILE_SIZE] = {};
    std::memcpy(roster + offsetof(ProfileManager, profiles), "Tester", 7);
    FileManager().savePackedFile(run.dataFolder, std::string(APPLICATION_NAME) + ".pro", APPLICATION_VERSION, roster,
                                 sizeof(roster));
    const std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
    if (chdir(gameData.c_str()) != 0)
        std::abort();
    // The settings step copies the display's windowed mode into the block,
    // so the window stays 640 x 480 throughout.
    const int limit = 10000;
    for (; run.framesToMainMenu < limit; ++run.framesToMainMenu) {
        pass();
        MyContextMain* menu = mainMenu();
        if (menu && pGlobal->pContextManager->active.get() == menu)
            break;
    }
}

class Shutdown : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (!pGlobal)
            return;
        const GameRun& run = state();
        // Closed in the middle of a game.
        bool bGameDeleted = false;
        RunningGame* game = new RunningGame(&bGameDeleted);
        game->bDeleteWhenFinished = true;
        pGlobal->pContextManager->pushContext(game);
        pass();
        getMyGlobal()->pCurrentGame = game;
        shutdown();
        EXPECT_TRUE(bGameDeleted);
        EXPECT_EQ(pGlobal, nullptr);
        EXPECT_EQ(pKiv, nullptr);

        const std::string log = readWholeFile(run.dataFolder + "/Glimmerdaledemo.log");
        EXPECT_NE(log.find("~Kiv(): Done. Clean exit."), std::string::npos) << log;
        EXPECT_EQ(log.find("objects still allocated"), std::string::npos) << log;
        EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
        for (const char* file : {"Glimmerdaledemo.cfg", "Glimmerdaledemo.hst", "Glimmerdaledemo.pro"})
            EXPECT_TRUE(std::filesystem::exists(run.dataFolder + "/" + file)) << file;
        std::error_code ignored;
        std::filesystem::remove_all(run.home, ignored);
    }
};

const ::testing::Environment* const shutdownAtTheEnd = ::testing::AddGlobalTestEnvironment(new Shutdown);

}

const GameRun& gameRun()
{
    GameRun& run = state();
    if (!pKiv)
        start(run);
    return run;
}

void pass()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        if (pKiv)
            pKiv->sdlOnEvent(event);
    doFrame();
}

MyContextMain* mainMenu()
{
    return dynamic_cast<MyContextMain*>(top());
}

Context* top()
{
    return pGlobal ? pGlobal->pContextManager->getActiveContext() : nullptr;
}

}
