// One frame of the busiest board (BusiestBoard: a 7 x 7 house full of
// smileys with every feature varying, clowns, falling coins, score popups,
// fireworks and star bursts, the heads-up display slid in), in the real
// game on the generated data, stepped at 60 frames a second.
//
// How our own code is told apart from the GL driver: every piece of geometry
// reaches OpenGL through glInterleavedArrays and glDrawArrays (VertexBuffer
// is the only caller), and this program defines both functions itself, so
// that the engine's calls come here first and are passed on to the driver
// only while drawDriver is set. With it cleared the whole drawing walk still
// runs (transforms, culling, vertex data, glyph layout, texture binds and
// matrix loads, which are cheap state calls) but nothing is drawn:
//   tick:            the engine frame without drawing (input, audio, the
//                    screen stack's tick): all our code;
//   drawWalk:        the drawing of the screen stack without the driver's
//                    draws: our code (and those few state calls);
//   wholeFrameMesa:  tick, drawing and presentation with the driver, waited
//                    for with glFinish: what a frame costs on Mesa.
// Our code per frame is tick plus drawWalk. The scene's coins, popups and
// bursts are renewed every second of game time (outside the timing), so the
// measured frames stay between half a second and one and a half seconds
// after a stir. Needs a display (DISPLAY) and the generated data in the
// build folder, as the game tests do.
#include "BusiestBoard.h"
#include "ContextManager.h"
#include "FrameDriver.h"
#include "Kiv.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "ProgramRun.h"
#include "TemporaryFolder.h"
#include "WMhooks.h"
#include "game/GameController.h"
#include "scenes/ContextLogo.h"

#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <dlfcn.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <unistd.h>

namespace {

bool drawDriver = true;
int drawCalls = 0;

template <typename Function>
Function driverFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

}

extern "C" void glInterleavedArrays(GLenum format, GLsizei stride, const GLvoid* pointer)
{
    using Real = void (*)(GLenum, GLsizei, const GLvoid*);
    static const Real real = driverFunction<Real>("glInterleavedArrays");
    if (drawDriver)
        real(format, stride, pointer);
}

extern "C" void glDrawArrays(GLenum mode, GLint first, GLsizei count)
{
    using Real = void (*)(GLenum, GLint, GLsizei);
    static const Real real = driverFunction<Real>("glDrawArrays");
    ++drawCalls;
    if (drawDriver)
        real(mode, first, count);
}

namespace {

using testsupport::BusiestBoard;
using testsupport::FrameDriver;

constexpr double FRAME = 1.0 / 60.0;
constexpr int FRAMES_PER_STIR = 60;
constexpr int MAX_LOADING_FRAMES = 20000;

// The game started once for the whole run, with the busiest board on top of
// the screen stack; null members when it could not start.
class BusyGame {
public:
    BusyGame() : home("kiv-bench-scene"), driver(FRAME)
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        useAsDataHome(home.path());
        makeWindowedDataFolder(home.path());
        if (chdir((std::string(KIV_BINARY_DIR) + "/data").c_str()) != 0)
            return;
        new Kiv();
        pGlobal = new MyGlobal();
        pGlobal->initPreLoader();
        ContextManager* stack = pGlobal->pContextManager;
        for (int frame = 0; frame < MAX_LOADING_FRAMES && !loaded(); ++frame)
            driver.step(stack);
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
            driver.step(pGlobal->pContextManager);
        }
        pGlobal->urlToOpenOnExit.clear();
        shutdown();
    }
    BusyGame(const BusyGame&) = delete;
    BusyGame& operator=(const BusyGame&) = delete;

    void stepSeconds(double seconds)
    {
        for (double t = 0.0; t < seconds; t += FRAME)
            driver.step(pGlobal->pContextManager);
    }
    // Renews the coins, popups and bursts every FRAMES_PER_STIR frames.
    void keepBusy(benchmark::State& state)
    {
        if (++framesSinceStir < FRAMES_PER_STIR)
            return;
        state.PauseTiming();
        board->stir();
        framesSinceStir = 0;
        state.ResumeTiming();
    }

    TemporaryFolder home;
    FrameDriver driver;
    GameController* game = nullptr;
    std::unique_ptr<BusiestBoard> board;
    int framesSinceStir = 0;

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

void countPerFrame(benchmark::State& state, int calls, int frames)
{
    state.counters["drawCalls"] = frames ? static_cast<double>(calls) / frames : 0.0;
    state.counters["drawn"] = pKiv->stats.renderablesDrawn;
    state.counters["vertices"] = pKiv->stats.vertices;
}

void tick(benchmark::State& state)
{
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    busy->driver.bDraw = false;
    for (auto _ : state) {
        busy->driver.step(pGlobal->pContextManager);
        busy->keepBusy(state);
    }
}
BENCHMARK(tick)->Unit(benchmark::kMicrosecond);

void drawWalk(benchmark::State& state)
{
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    drawDriver = false;
    drawCalls = 0;
    int frames = 0;
    for (auto _ : state) {
        pKiv->stats = FrameStatistics();
        pGlobal->pContextManager->render();
        ++frames;
    }
    drawDriver = true;
    countPerFrame(state, drawCalls, frames);
}
BENCHMARK(drawWalk)->Unit(benchmark::kMicrosecond);

void wholeFrameMesa(benchmark::State& state)
{
    BusyGame* busy = busyGame(state);
    if (!busy)
        return;
    busy->driver.bDraw = true;
    drawCalls = 0;
    int frames = 0;
    for (auto _ : state) {
        busy->driver.step(pGlobal->pContextManager);
        glFinish();
        busy->keepBusy(state);
        ++frames;
    }
    busy->driver.bDraw = false;
    countPerFrame(state, drawCalls, frames);
}
BENCHMARK(wholeFrameMesa)->Unit(benchmark::kMicrosecond);

}
