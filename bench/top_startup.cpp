// The program's start: wall time from the first frame until the loader has
// finished and until the main menu is on top (after the display check and
// the maker's logo; the intro cut-scene is skipped at once, as a player may,
// so that its scripted minute and a half is not counted), the first pass
// (the engine starts in it), the slowest later frame while loading (the
// goal: no step longer than the frame period, so that loading takes the
// number of steps times the period) and the resident memory once everything
// is loaded. Loading happens once per process, so the benchmark runs one
// iteration. Needs a display and the generated data beside the build's
// bench folder.
#include "scenes/ContextLogo.h"
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

#include <benchmark/benchmark.h>

#include <SDL/SDL.h>

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

void pass()
{
    SDL_Event event;
    while (SDL_PollEvent(&event))
        if (pKiv)
            pKiv->sdlOnEvent(event);
    doFrame();
}

void startToMainMenu(benchmark::State& state)
{
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
        double loading = 0.0, slowestFrame = 0.0, period = 0.0, toMainMenu = 0.0, resident = 0.0;
        int steps = 0, slowestStep = 0;
        // The first pass also starts the engine and pushes the loader.
        double firstPass = 0.0;
        for (int frame = 0; frame < 20000 && toMainMenu == 0.0; ++frame) {
            const bool bLoading = loading == 0.0;
            skipIntro();
            const Clock::time_point frameStart = Clock::now();
            pass();
            if (bLoading) {
                const double frameTime = secondsSince(frameStart);
                if (frame == 0)
                    firstPass = frameTime;
                else if (frameTime > slowestFrame) {
                    slowestFrame = frameTime;
                    slowestStep = Loader::getLastStep();
                }
                Loader* loader = dynamic_cast<Loader*>(static_cast<KivBase*>(pGlobal->pContextManager->pFirstChild));
                if (loader && loader->bFinished) {
                    loading = secondsSince(start);
                    steps = loader->stepCount;
                    period = pKiv->pFramePacer->getPeriod();
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
        state.counters["slowest_loading_frame_ms"] = slowestFrame * 1000.0;
        state.counters["slowest_step"] = slowestStep;
        state.counters["resident_after_loading_MB"] = resident;
    }
    shutdown();
}

}

BENCHMARK(startToMainMenu)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
