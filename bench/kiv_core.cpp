// Cost of the engine core's per-frame work: one engine frame over an empty
// screen with pacing and the display driver off (DriverSwitch.h: the clear,
// the swap and every other OpenGL call are left out, counted per frame in
// driverCallsLeftOut), and the tick of a tree of 10,000 objects (reported
// per object). Needs a display, like the game.
#include "Context.h"
#include "DriverSwitch.h"
#include "FramePacer.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivBase.h"
#include "TemporaryFolder.h"

#include <benchmark/benchmark.h>

namespace {

// The engine writes its log and configuration into a throw-away data folder.
struct BenchEngine {
    BenchEngine()
    {
        useAsDataHome(folder.path());
        pEngine = new Kiv(KivHost::desktop());
        pEngine->pFramePacer->init(0.0);
    }
    ~BenchEngine() { delete pEngine; }
    TemporaryFolder folder{"kiv-bench"};
    Kiv* pEngine = nullptr;
};

void engineFrameOverEmptyScreen(benchmark::State& state)
{
    BenchEngine engine;
    Context screen;
    driverswitch::bDriverOn = false;
    driverswitch::callsLeftOut = 0;
    for (auto _ : state)
        engine.pEngine->frame(&screen);
    driverswitch::bDriverOn = true;
    state.SetItemsProcessed(state.iterations());
    state.counters["driverCallsLeftOut"] =
        static_cast<double>(driverswitch::callsLeftOut) / static_cast<double>(state.iterations());
}
BENCHMARK(engineFrameOverEmptyScreen);

// A screen-like tree: 100 layers of 99 leaves each, plus the layers.
void tickTenThousandObjects(benchmark::State& state)
{
    BenchEngine engine;
    KivBase root;
    int objects = 0;
    for (int layer = 0; layer < 100; ++layer) {
        KivBase* node = new KivBase();
        root.addChildLast(node);
        ++objects;
        for (int leaf = 0; leaf < 99; ++leaf, ++objects)
            node->addChildLast(new KivBase());
    }
    double t = 0.0;
    for (auto _ : state) {
        root.tick(t, 0.015);
        t += 0.015;
    }
    state.SetItemsProcessed(state.iterations() * objects);
    state.counters["ns_per_object"] =
        benchmark::Counter(static_cast<double>(state.iterations() * objects),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(tickTenThousandObjects)->Unit(benchmark::kMicrosecond);

} // namespace
