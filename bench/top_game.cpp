// The game controller in play on the largest quest house (5 x 6, the last
// ordinary house of the last neighbourhood, reached through a saved game):
// frames per second of the whole screen stack stepped headlessly (the
// engine's own frames on the tests' stepped host, no drawing), and the time
// of a frame with drawing and presenting on the display (Mesa under Xvfb),
// each with the main thread's CPU time per frame. The game starts once per
// process, with the allocator set as the program sets it. Needs a display
// and the generated data beside the build's bench folder.
#include "AllocatorSettings.h"
#include "ApplicationInfo.h"
#include "BenchFigures.h"
#include "ContextManager.h"
#include "DataFolder.h"
#include "Kiv.h"
#include "KivHost.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProfileManager.h"
#include "SteppedHost.h"
#include "SyntheticInput.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"
#include "board/House.h"
#include "game/ContextDialogQX.h"
#include "game/GameControllerAdventure.h"
#include "scenes/ContextLogo.h"

#include <benchmark/benchmark.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The generated data lies in the build folder, one level above this program.
bool enterGameData()
{
    char executable[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", executable, sizeof(executable) - 1);
    if (length <= 0)
        return false;
    executable[length] = '\0';
    const std::filesystem::path data = std::filesystem::path(executable).parent_path().parent_path() / "data";
    return chdir(data.c_str()) == 0;
}

// The running game, in play on the house; null controller when it did not
// get there.
struct Game {
    Game()
    {
        applyAllocatorSettings();
        useAsDataHome(home.path());
        const std::string folder = home.path() + "/" + APPLICATION_NAME + "/" + APPLICATION_VERSION;
        std::filesystem::create_directories(folder);
        std::ofstream(folder + "/" + APPLICATION_NAME + ".cfg")
            << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n";
        if (!enterGameData())
            return;
        new Kiv(stepped.host());
        pGlobal = new MyGlobal();
        pGlobal->initPreLoader();
        if (!stepUntil([] {
                if (dynamic_cast<ContextLogo*>(pGlobal->pContextManager->getActiveContext()))
                    testsupport::pressKey(testsupport::KEY_ESCAPE);
                return dynamic_cast<MyContextMain*>(pGlobal->pContextManager->active.get()) != nullptr;
            }))
            return;

        ProfileManager& roster = pGlobal->profileManager;
        roster.addProfile("Bench");
        // Neighbourhood 7, house 7, after the 46 houses before it.
        roster.profiles[roster.current].savedGames[1] = SavedGame{46, 7, 7, 0, 0, 1, 0};
        GameControllerAdventure* quest = new GameControllerAdventure();
        pGlobal->pContextManager->pushContext(quest);
        quest->startGame();
        const bool playing = stepUntil([quest] {
            Context* top = pGlobal->pContextManager->getActiveContext();
            if (ContextDialogQX* dialog = dynamic_cast<ContextDialogQX*>(top)) {
                if (!dialog->closeButton)
                    quest->loadGame();
                dialog->bFinished = true;
            }
            return top == quest && quest->state == GameController::STATE_PLAY && quest->timeInState > 2.0;
        });
        if (playing)
            controller = quest;
    }

    ~Game()
    {
        if (!pGlobal)
            return;
        pGlobal->urlToOpenOnExit.clear();
        shutdown();
    }

    template <typename Done>
    bool stepUntil(Done done)
    {
        for (int frame = 0; frame < 20000; ++frame) {
            if (done())
                return true;
            stepped.frame(pGlobal->pContextManager);
        }
        return false;
    }

    TemporaryFolder home{"kiv-bench-game"};
    testsupport::SteppedHost stepped;
    GameControllerAdventure* controller = nullptr;
};

Game& game()
{
    static Game running;
    return running;
}

void play(benchmark::State& state, bool draw)
{
    Game& running = game();
    if (!running.controller) {
        state.SkipWithError("the game did not reach play on the house");
        return;
    }
    running.stepped.bDraw = draw;
    const double start = benchfigures::threadCpuSeconds();
    for (auto _ : state)
        running.stepped.frame(pGlobal->pContextManager);
    state.counters["main_thread_ms"] =
        (benchfigures::threadCpuSeconds() - start) * 1000.0 / static_cast<double>(state.iterations());
    running.stepped.bDraw = false;
    state.SetItemsProcessed(state.iterations());
    state.counters["smileys"] = running.controller->smileyLayer->getChildCount();
    state.counters["house_cells"] = running.controller->house->sizeX * running.controller->house->sizeY;
}

void playHeadless(benchmark::State& state)
{
    play(state, false);
}

void playDrawn(benchmark::State& state)
{
    play(state, true);
}

}

BENCHMARK(playHeadless)->Unit(benchmark::kMicrosecond);
BENCHMARK(playDrawn)->Unit(benchmark::kMillisecond);
