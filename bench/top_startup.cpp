// The program's start, as the program runs it (frames paced, the allocator
// set as at the program's start): wall time from the first frame until the
// loader has finished and until the main menu is on top (after the display
// check and the maker's logo; the intro cut-scene is skipped at once, as a
// player may, so that its scripted minute and a half is not counted), the
// first pass (the engine starts in it), the slowest later frame while
// loading and the resident memory once everything is loaded.
//
// A loading frame's time is its work, without the pacer's wait at the end
// of the frame. The goal: no loading frame longer than the frame period (the
// shortest in force while loading: the engine's until the settings step,
// the player's after it), so that loading takes the number of steps times
// the period. It is judged by the main thread's CPU time, which on a shared
// machine leaves out the time other processes take; beside it, the slowest
// frame by the clock, less the pacer's wait (SDL_Delay on the main thread,
// which this program defines), and of that the time spent presenting the
// frame (SDL_GL_SwapBuffers, where the software renderer's threads draw and
// the display's own time shows). Loading happens once per process, so the
// benchmark runs one iteration. Needs a display and the generated data
// beside the build's bench folder.
#include "AllocatorSettings.h"
#include "BenchFigures.h"
#include "ContextManager.h"
#include "FramePacer.h"
#include "Kiv.h"
#include "Loader.h"
#include "MyContextMain.h"
#include "MyGlobal.h"
#include "SyntheticInput.h"
#include "TemporaryFolder.h"
#include "WholeFile.h"
#include "WMhooks.h"
#include "scenes/ContextLogo.h"

#include <benchmark/benchmark.h>

#include <SDL/SDL.h>
#include <dlfcn.h>
#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

const pthread_t mainThread = pthread_self();
// Seconds the main thread has spent in SDL_Delay and in SDL_GL_SwapBuffers.
double waited = 0.0;
double presenting = 0.0;

template <typename Function>
Function sdlFunction(const char* name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, name));
}

// Adds the main thread's time in call to total (the audio thread also waits).
template <typename Call>
void timeOnMainThread(double& total, Call call)
{
    if (!pthread_equal(pthread_self(), mainThread)) {
        call();
        return;
    }
    const Clock::time_point start = Clock::now();
    call();
    total += secondsSince(start);
}

}

extern "C" void SDL_Delay(Uint32 milliseconds)
{
    using Real = void (*)(Uint32);
    static const Real real = sdlFunction<Real>("SDL_Delay");
    timeOnMainThread(waited, [milliseconds] { real(milliseconds); });
}

extern "C" void SDL_GL_SwapBuffers()
{
    using Real = void (*)();
    static const Real real = sdlFunction<Real>("SDL_GL_SwapBuffers");
    timeOnMainThread(presenting, [] { real(); });
}

namespace {

// Resident set size, megabytes.
double residentMegabytes()
{
    long pages = 0, resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

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

// Escape while the intro is on top and has not ended, seen by the next frame.
void skipIntro()
{
    const ContextLogo* intro = pGlobal ? dynamic_cast<ContextLogo*>(pGlobal->pContextManager->active.get()) : nullptr;
    if (intro && !intro->bFinished)
        testsupport::pressKey(testsupport::KEY_ESCAPE);
}

// One loading frame: the step it performed, the main thread's CPU time, the
// time by the clock without the pacer's wait, and of that the time spent
// presenting (all seconds).
struct Frame {
    int step = 0;
    double cpu = 0.0;
    double wall = 0.0;
    double display = 0.0;
};

// The window's events: the Escape fed to skip the intro, then SDL's.
bool fedThenWindowEvent(SDL_Event& event)
{
    return testsupport::takeFedEvent(event) || pollWindowEvent(event);
}

// A pass of the program's main loop.
void pass()
{
    runLoopPass(fedThenWindowEvent);
}

void startToMainMenu(benchmark::State& state)
{
    applyAllocatorSettings();
    const TemporaryFolder home("kiv-bench-start");
    useAsDataHome(home.path());
    const std::string dataFolder = home.path() + "/Glimmerdaledemo/1.30";
    std::filesystem::create_directories(dataFolder);
    writeWholeFile(dataFolder + "/Glimmerdaledemo.cfg",
                   "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n");
    if (!enterGameData()) {
        state.SkipWithError("no generated data beside the bench folder");
        return;
    }
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        double loading = 0.0, toMainMenu = 0.0, resident = 0.0, period = 1e9;
        // The first pass also starts the engine and pushes the loader.
        double firstPass = 0.0;
        Frame slowest, slowestWall;
        int steps = 0;
        for (int frame = 0; frame < 20000 && toMainMenu == 0.0; ++frame) {
            const bool bLoading = loading == 0.0;
            skipIntro();
            waited = presenting = 0.0;
            const Clock::time_point frameStart = Clock::now();
            const double cpuStart = benchfigures::threadCpuSeconds();
            pass();
            if (bLoading) {
                const Frame measured{Loader::getLastStep(), benchfigures::threadCpuSeconds() - cpuStart,
                                     secondsSince(frameStart) - waited, presenting};
                period = std::min(period, pKiv->pFramePacer->getPeriod());
                if (frame == 0)
                    firstPass = measured.wall;
                else {
                    if (measured.cpu > slowest.cpu)
                        slowest = measured;
                    if (measured.wall > slowestWall.wall)
                        slowestWall = measured;
                }
                Loader* loader = dynamic_cast<Loader*>(static_cast<KivBase*>(pGlobal->pContextManager->pFirstChild));
                if (loader && loader->bFinished) {
                    loading = secondsSince(start);
                    steps = loader->stepCount;
                    resident = residentMegabytes();
                }
            }
            if (dynamic_cast<MyContextMain*>(pGlobal->pContextManager->active.get()))
                toMainMenu = secondsSince(start);
        }
        state.SetIterationTime(toMainMenu);
        state.counters["loading_s"] = loading;
        state.counters["to_main_menu_s"] = toMainMenu;
        state.counters["steps"] = steps;
        state.counters["first_pass_ms"] = firstPass * 1000.0;
        state.counters["frame_period_ms"] = period * 1000.0;
        state.counters["slowest_loading_frame_cpu_ms"] = slowest.cpu * 1000.0;
        state.counters["slowest_step"] = slowest.step;
        state.counters["slowest_wall_ms"] = slowestWall.wall * 1000.0;
        state.counters["slowest_wall_step"] = slowestWall.step;
        state.counters["slowest_wall_display_ms"] = slowestWall.display * 1000.0;
        state.counters["resident_after_loading_MB"] = resident;
        benchfigures::reportGoal("slowest loading frame, main thread's CPU time", slowest.cpu * 1000.0, period * 1000.0,
                                 "ms",
                                 benchfigures::format("step %d; by the clock without the pacer's wait: step %d, "
                                                      "%.2f ms, %.2f ms of it presenting the frame",
                                                      slowest.step, slowestWall.step, slowestWall.wall * 1000.0,
                                                      slowestWall.display * 1000.0));
    }
    shutdown();
}

}

BENCHMARK(startToMainMenu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
