#include "DataFolderSandbox.h"
#include "FramePacer.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A real engine under the test display, with the data folder of the sandbox.
class GlobalWithEngine : public DataFolderSandbox {
protected:
    void SetUp() override
    {
        DataFolderSandbox::SetUp();
        engine = std::make_unique<Kiv>();
        global = std::make_unique<Global>();
    }

    void TearDown() override
    {
        global.reset();
        engine.reset();
        DataFolderSandbox::TearDown();
    }

    std::unique_ptr<Kiv> engine;
    std::unique_ptr<Global> global;
};

TEST_F(GlobalWithEngine, DefaultSettingsGiveTheDocumentedFramePeriodAndMouseSpeed)
{
    global->applySettings();
    EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), 0.01);
    EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, 1.0);
}

TEST_F(GlobalWithEngine, MouseSensitivityMapsToHalfToOneAndAHalf)
{
    const double speeds[] = {0.5, 0.75, 1.0, 1.25, 1.5};
    for (int sensitivity = 0; sensitivity <= HSTdata::MAX_MOUSE_SENSITIVITY; ++sensitivity) {
        global->hst.mouseSensitivity = sensitivity;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, speeds[sensitivity]);
    }
}

TEST_F(GlobalWithEngine, FrameRatesOutsideTheOptionRangeNeverStopThePacer)
{
    struct Case {
        int fps;
        double period;
    };
    const Case cases[] = {{0, 1.0 / 25}, {-10, 1.0 / 25}, {25, 1.0 / 25}, {125, 1.0 / 125}, {100000, 1.0 / 125}};
    for (const Case& c : cases) {
        global->hst.maxFps = c.fps;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), c.period) << c.fps;
    }
}

}
