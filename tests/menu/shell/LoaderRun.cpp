#include "LoaderRun.h"

#include "ContextLanguageSelect.h"
#include "ContextManager.h"
#include "FrameDriver.h"
#include "Kiv.h"
#include "Loader.h"
#include "Percentage.h"
#include "ProgramRun.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace shelltest {

void TestGlobal::initGame()
{
    ++initGameCalls;
    pMarker = new Context();
    pMarker->bDeleteWhenFinished = true;
    pContextManager->pushContext(pMarker);
}

namespace {

constexpr int LANGUAGE_SCREEN_FRAMES = 3;

LoaderRun& state()
{
    static LoaderRun run;
    return run;
}

void startEngine(LoaderRun& run)
{
    static TemporaryFolder folder("kiv-shell");
    run.home = folder.path();
    useAsDataHome(run.home);
    run.dataFolder = makeWindowedDataFolder(run.home);
    std::ofstream(run.dataFolder + "/crash.Glimmerdaledemo.log") << "+0\tmain(): the previous run crashed\n";
    const std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
    if (chdir(gameData.c_str()) != 0)
        std::abort();
    new Kiv();
    pKiv->bMultilanguage = true;
    pKiv->defaultLanguage = -1;
    pGlobal = new TestGlobal();
    pGlobal->initPreLoader();
}

void stepToTheEnd(LoaderRun& run)
{
    ContextManager* stack = pGlobal->pContextManager;
    Loader* loader = static_cast<Loader*>(stack->getActiveContext());
    run.stepCount = loader->stepCount;
    int framesChoosing = 0;
    testsupport::FrameDriver driver;
    for (int frame = 0; frame < 10 * run.stepCount && !loader->bFinished; ++frame) {
        driver.step(stack);
        Context* top = stack->getActiveContext();
        const bool bChoosing = dynamic_cast<ContextLanguageSelect*>(top) != nullptr;
        run.frames.push_back({Loader::getLastStep(), loader->pProgressBar->value, bChoosing});
        // The language screen closes without a choice after a while.
        if (bChoosing && ++framesChoosing == LANGUAGE_SCREEN_FRAMES)
            top->bFinished = true;
    }
    for (BasicLink* screen = stack->pFirstChild; screen; screen = screen->pNext)
        run.stackAfterLoading.push_back(static_cast<Context*>(screen));
}

class Shutdown : public ::testing::Environment {
public:
    void TearDown() override
    {
        if (!pGlobal)
            return;
        delete pGlobal;
        pGlobal = nullptr;
        delete pKiv;
    }
};

const ::testing::Environment* const shutdown = ::testing::AddGlobalTestEnvironment(new Shutdown);

}

const LoaderRun& loaderRun()
{
    LoaderRun& run = state();
    if (!pKiv) {
        startEngine(run);
        stepToTheEnd(run);
    }
    return run;
}

TestGlobal& testGlobal()
{
    loaderRun();
    return *static_cast<TestGlobal*>(pGlobal);
}

}
