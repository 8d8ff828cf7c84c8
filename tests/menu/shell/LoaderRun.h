#pragma once
// One real loading run per test process: an engine under the test display
// with a data folder of its own, working in the generated game data
// (KIV_BINARY_DIR/data), a Global whose game part pushes one marker screen,
// and the loader stepped by the frame driver to its end. The edition is switched
// to several languages with none chosen yet, and the previous run left a
// crash log, so the run passes the language screen and pushes the crash
// report; the language screen is closed without a choice after three
// frames. The loader counts its steps once per process, so the run happens
// once and the tests read what it recorded.
#include "Context.h"
#include "Global.h"
#include "WholeFile.h"

#include <string>
#include <vector>

namespace shelltest {

// Global with the game's part reduced to one screen that stays on the stack.
struct TestGlobal : Global {
    void initGame() override;
    int initGameCalls = 0;
    Context* pMarker = nullptr;
};

struct FrameRecord {
    // Loader::getLastStep after the frame.
    int step;
    float barValue;
    // The language screen was the stack's top after the frame.
    bool bChoosingLanguage;
};

struct LoaderRun {
    int stepCount = 0;
    std::vector<FrameRecord> frames;
    // The stack, bottom first, right after the frame of the final step.
    std::vector<Context*> stackAfterLoading;
    std::string home;
    std::string dataFolder;
};

// Runs the loader on first use; fatal for the test program when the data is missing.
const LoaderRun& loaderRun();
TestGlobal& testGlobal();

}
