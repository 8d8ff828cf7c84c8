// The sound device follows the program's window and display, as the
// program's own loop pass and engine frame meet them: the window's focus
// lost pauses it and regained resumes it, and a display restart pauses it
// for as long as the display is away; while paused it mixes nothing, even
// when the frames of an inactive window go on working. At its end the
// program pauses the device before anything is saved or torn down, and
// closes it last.
#include "GameHarness.h"
#include "KivGraphics.h"
#include "KivObserver.h"

namespace {

using namespace testsupport;
using Status = InStepAudio::Status;

// What the device and the files heard, in order: the device's statuses by
// name, "saved" for each file written.
struct DeviceAndSaves : KivObserver {
    void onFileSaved(const UString&, const void*, size_t) override { heard.push_back("saved"); }
    std::vector<std::string> heard;
};

TEST(SoundDevice, PausesWhileTheWindowOrDisplayIsAwayAndClosesAfterTheLastSave)
{
    GameHarness& game = GameHarness::get();
    InStepAudio& device = game.stepped.audio;
    ASSERT_EQ(device.getStatus(), Status::PLAYING);
    KivGraphics& graphics = *pKiv->pGraphics;
    // As the graphics options ask for a window of another size.
    const auto restart = [&graphics] {
        graphics.changePresentationParameters(800, 600, false, graphics.bBilinearFilter, graphics.bUseVSync);
    };
    const auto lost = [] { feed({focusEvent(false)}); };
    const auto gained = [] { feed({focusEvent(true)}); };
    struct Step {
        const char* what;
        std::function<void()> act;
        bool bTickWhilePaused;
        int frames;
        Status after;
        bool bMixes;
    };
    const Step steps[] = {
        {"focus lost, inactive frames working", lost, true, 3, Status::PAUSED, false},
        {"focus gained", gained, true, 2, Status::PLAYING, true},
        {"focus lost", lost, false, 3, Status::PAUSED, false},
        {"focus gained", gained, false, 2, Status::PLAYING, true},
        // The restart comes at the end of a frame that has mixed its sound.
        {"display restarted", restart, false, 1, Status::PAUSED, true},
        {"display back", [] {}, false, 2, Status::PLAYING, true},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        pKiv->bTickWhilePaused = step.bTickWhilePaused;
        const long mixed = device.mixedFrames;
        step.act();
        game.step(step.frames);
        EXPECT_EQ(InStepAudio::name(device.getStatus()), std::string(InStepAudio::name(step.after)));
        EXPECT_EQ(device.mixedFrames > mixed, step.bMixes) << device.mixedFrames - mixed << " frames mixed";
    }

    DeviceAndSaves watch;
    pKiv->pObserver = &watch;
    device.onChange = [&watch](Status status) { watch.heard.push_back(InStepAudio::name(status)); };
    feed({quitEvent()});
    game.step();
    ASSERT_EQ(pGlobal, nullptr) << "the program goes on";
    device.onChange = nullptr;
    std::vector<std::string> heard = watch.heard;
    heard.erase(std::unique(heard.begin(), heard.end()), heard.end());
    EXPECT_EQ(heard, (std::vector<std::string>{"paused", "saved", "closed"}));
}

} // namespace
