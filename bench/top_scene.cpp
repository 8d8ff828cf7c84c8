// One frame of the busiest board (BusiestBoard: a 7 x 7 house full of
// smileys with every feature varying, clowns, falling coins, score popups,
// fireworks and star bursts, the heads-up display slid in), in the real
// game on the generated data, stepped at 60 frames a second.
//
// How our own code is told apart from the display driver: the program
// defines every OpenGL and SDL call the engine makes while it draws and
// presents (DriverSwitch.h), and passes them on to the driver only while the
// switch is on. In the order they run:
//   wholeFrameMesaDefaultAllocator: tick, drawing and presentation with the
//                    driver, waited for with glFinish, with the C library's
//                    allocator at its defaults; measured first, right after
//                    the game has started, since the allocator's defaults
//                    adapt to what has been freed before and its settings
//                    cannot be undone;
//   (then the allocator is set as the program sets it when it starts)
//   tick:            the engine frame without drawing (input, audio, the
//                    screen stack's tick): all our code;
//   drawWalk:        the drawing of the screen stack with the driver off:
//                    transforms, culling, vertex data, glyph layout and the
//                    calls themselves, but none of them reaches the driver
//                    (driverCallsLeftOut counts them, per frame);
//   wholeFrameMesa:  as the first, with the allocator set: what a frame
//                    costs on Mesa.
// Each reports the CPU time of the main thread per frame (main_thread_ms).
// Goals: our code per frame (tick plus drawWalk) at most 1 ms; with the
// allocator set, the main thread's CPU time per frame at most half of what
// it is with the defaults (Mesa draws on threads of its own as well, which
// that figure leaves out). The scene's coins, popups and bursts are renewed
// every second of game time (outside the timing), so the measured frames
// stay between half a second and one and a half seconds after a stir. Needs
// a display (DISPLAY) and the generated data in the build folder, as the
// game tests do.
#include "AllocatorSettings.h"
#include "BenchFigures.h"
#include "BusiestBoard.h"
#include "ContextManager.h"
#include "DriverSwitch.h"
#include "Kiv.h"
#include "KivHost.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProgramRun.h"
#include "SteppedHost.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"
#include "game/GameController.h"
#include "scenes/ContextLogo.h"

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

using testsupport::BusiestBoard;
using testsupport::SteppedHost;

constexpr double FRAME = 1.0 / 60.0;
constexpr int FRAMES_PER_STIR = 60;
constexpr int MAX_LOADING_FRAMES = 20000;

// The game started once for the whole run, with the busiest board on top of
// the screen stack; null members when it could not start.
class BusyGame {
public:
    BusyGame() : home("kiv-bench-scene"), stepped(FRAME)
    {
        useAsDataHome(home.path());
        makeWindowedDataFolder(home.path());
        if (chdir((std::string(KIV_BINARY_DIR) + "/data").c_str()) != 0)
            return;
        new Kiv(stepped.host());
        pGlobal = new MyGlobal();
        pGlobal->initPreLoader();
        ContextManager* stack = pGlobal->pContextManager;
        for (int frame = 0; frame < MAX_LOADING_FRAMES && !loaded(); ++frame)
            stepped.frame(stack);
        if (!loaded())
            return;
        game = new GameController();
        stack->pushContext(game);
        getMyGlobal()->pCurrentGame = game;
        board = std::make_unique<BusiestBoard>(*game);
        stepSeconds(BusiestBoard::SETTLE_SECONDS);
        board->stir();
        stepSeconds(0.5);
    }
    ~BusyGame()
    {
        if (!pGlobal)
            return;
        if (game) {
            getMyGlobal()->pCurrentGame = nullptr;
            game->bFinished = true;
            stepped.frame(pGlobal->pContextManager);
        }
        pGlobal->urlToOpenOnExit.clear();
        shutdown();
    }
    BusyGame(const BusyGame&) = delete;
    BusyGame& operator=(const BusyGame&) = delete;

    void stepSeconds(double seconds)
    {
        for (double t = 0.0; t < seconds; t += FRAME)
            stepped.frame(pGlobal->pContextManager);
    }
    // Renews the coins, popups and bursts every FRAMES_PER_STIR frames,
    // outside the timing (stirSeconds counts the main thread's CPU time).
    void keepBusy(benchmark::State& state)
    {
        if (++framesSinceStir < FRAMES_PER_STIR)
            return;
        state.PauseTiming();
        const double start = benchfigures::threadCpuSeconds();
        board->stir();
        stirSeconds += benchfigures::threadCpuSeconds() - start;
        framesSinceStir = 0;
        state.ResumeTiming();
    }

    TemporaryFolder home;
    SteppedHost stepped;
    GameController* game = nullptr;
    std::unique_ptr<BusiestBoard> board;
    int framesSinceStir = 0;
    double stirSeconds = 0.0;

private:
    // The loader has finished and the intro or the main menu has come up.
    static bool loaded()
    {
        const Context* top = pGlobal->pContextManager->getActiveContext();
        return dynamic_cast<const ContextLogo*>(top) || dynamic_cast<const MyContextMain*>(top);
    }
};

BusyGame* busyGame(benchmark::State& state)
{
    static BusyGame instance;
    if (!instance.board) {
        state.SkipWithError("the game did not start (display, generated data?)");
        return nullptr;
    }
    return &instance;
}

// The allocator set as the program sets it; once set it stays so.
bool bAllocatorSet = false;

void setAllocator()
{
    if (!bAllocatorSet)
        applyAllocatorSettings();
    bAllocatorSet = true;
}

// Main-thread CPU milliseconds per frame, by benchmark.
double mainThreadMilliseconds[4] = {};
enum Figure { DEFAULT_ALLOCATOR, TICK, DRAW_WALK, WHOLE_FRAME };

// Pages the main thread has touched for the first time so far.
long pageFaults()
{
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_minflt;
}

// Runs frame while the benchmark runs; afterwards the main thread's CPU
// time (stirs left out) and page faults per frame, and the draw calls,
// driver calls left out, drawables and vertices per frame.
template <typename Frame>
void measureFrames(benchmark::State& state, const BusyGame& busy, Figure figure, Frame frame)
{
    driverswitch::drawCalls = 0;
    driverswitch::callsLeftOut = 0;
    const long faultsBefore = pageFaults();
    const double stirBefore = busy.stirSeconds;
    const double start = benchfigures::threadCpuSeconds();
    for (auto _ : state)
        frame();
    const double seconds = benchfigures::threadCpuSeconds() - start - (busy.stirSeconds - stirBefore);
    const double frames = static_cast<double>(state.iterations());
    state.counters["page_faults"] = static_cast<double>(pageFaults() - faultsBefore) / frames;
    mainThreadMilliseconds[figure] = seconds * 1000.0 / frames;
    state.counters["main_thread_ms"] = mainThreadMilliseconds[figure];
    state.counters["drawCalls"] = static_cast<double>(driverswitch::drawCalls) / frames;
    state.counters["driverCallsLeftOut"] = static_cast<double>(driverswitch::callsLeftOut) / frames;
    state.counters["drawn"] = pKiv->stats.renderablesDrawn;
    state.counters["vertices"] = pKiv->stats.vertices;
}

void wholeFrames(benchmark::State& state, Figure figure)
{
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    busy->stepped.bDraw = true;
    measureFrames(state, *busy, figure, [&] {
        busy->stepped.frame(pGlobal->pContextManager);
        glFinish();
        busy->keepBusy(state);
    });
    busy->stepped.bDraw = false;
}

void wholeFrameMesaDefaultAllocator(benchmark::State& state)
{
    if (bAllocatorSet) {
        state.SkipWithError("the allocator is set already; run this benchmark first");
        return;
    }
    wholeFrames(state, DEFAULT_ALLOCATOR);
}
BENCHMARK(wholeFrameMesaDefaultAllocator)->Unit(benchmark::kMicrosecond);

void tick(benchmark::State& state)
{
    setAllocator();
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    busy->stepped.bDraw = false;
    measureFrames(state, *busy, TICK, [&] {
        busy->stepped.frame(pGlobal->pContextManager);
        busy->keepBusy(state);
    });
}
BENCHMARK(tick)->Unit(benchmark::kMicrosecond);

void drawWalk(benchmark::State& state)
{
    setAllocator();
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    driverswitch::bDriverOn = false;
    measureFrames(state, *busy, DRAW_WALK, [] {
        pKiv->stats = FrameStatistics();
        pGlobal->pContextManager->render();
    });
    driverswitch::bDriverOn = true;
    if (mainThreadMilliseconds[TICK] > 0.0)
        benchfigures::reportGoal("our code per busiest frame, main thread",
                                 mainThreadMilliseconds[TICK] + mainThreadMilliseconds[DRAW_WALK], 1.0, "ms",
                                 benchfigures::format("tick %.3f ms, drawing walk %.3f ms", mainThreadMilliseconds[TICK],
                                                      mainThreadMilliseconds[DRAW_WALK]));
}
BENCHMARK(drawWalk)->Unit(benchmark::kMicrosecond);

void wholeFrameMesa(benchmark::State& state)
{
    setAllocator();
    wholeFrames(state, WHOLE_FRAME);
    if (mainThreadMilliseconds[DEFAULT_ALLOCATOR] > 0.0)
        benchfigures::reportGoal(
            "main thread per busiest frame, allocator set against its defaults",
            mainThreadMilliseconds[WHOLE_FRAME] / mainThreadMilliseconds[DEFAULT_ALLOCATOR], 0.5, "times",
            benchfigures::format("%.2f ms against %.2f ms", mainThreadMilliseconds[WHOLE_FRAME],
                                 mainThreadMilliseconds[DEFAULT_ALLOCATOR]));
}
BENCHMARK(wholeFrameMesa)->Unit(benchmark::kMicrosecond);

}
