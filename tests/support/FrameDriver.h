#pragma once
// FrameDriver: the one way tests step the engine frame by frame. A step is
// one engine frame as Kiv::frame runs it, with a fixed dt instead of the
// clock and without waiting for the frame period: engine mode handling,
// input update, audio update, the engine clock moved on by dt (TimeKeeper,
// Kiv::frameTime and frameDuration, so that every reader of engine time,
// such as a sound's minimum start interval, sees the stepped time), the
// root's tick with (t, dt), the event manager's tick, the console's tick,
// and only when drawing is on (off by default, for speed) render and
// present; a display restart asked for during the frame follows it, as in
// Kiv::frame. Screenshots and the statistics overlay are left out, and no
// SDL event is read: tests feed input through KivInput::onEvent
// (SyntheticInput.h).
//
// Works with any root Context: the real ContextManager (GameHarness) or a
// bare test screen. The first step takes the engine clock over from the
// real time for the rest of the process. Main thread only, with an engine
// (pKiv) running; the driver owns nothing.
#include "Console.h"
#include "Context.h"
#include "EventManager.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "TimeKeeper.h"

namespace testsupport {

class FrameDriver {
public:
    // Seconds per step unless a test asks for another.
    static constexpr double DEFAULT_DT = 0.01;

    explicit FrameDriver(double stepSeconds = DEFAULT_DT) : dt(stepSeconds) {}

    // One frame over root.
    void step(Context* root)
    {
        Kiv& kiv = *pKiv;
        kiv.stats = FrameStatistics();
        ++kiv.frameNumber;
        // A lost display comes back first, then the mode follows the focus flag.
        if (kiv.mode == Kiv::MODE_DISPLAYLOST)
            kiv.changeKIVmode(Kiv::MODE_INACTIVE);
        if (kiv.mode != (kiv.bAppActive ? Kiv::MODE_OK : Kiv::MODE_INACTIVE))
            kiv.changeKIVmode(kiv.bAppActive ? Kiv::MODE_OK : Kiv::MODE_INACTIVE);
        const bool working = kiv.mode == Kiv::MODE_OK || (kiv.mode == Kiv::MODE_INACTIVE && kiv.bTickWhilePaused);
        if (working) {
            kiv.pInput->update();
            kiv.pAudio->update();
        }
        // Time spent inactive does not count, as with the real clock.
        kiv.frameDuration = working ? dt : 0.0;
        const double now = kiv.pTimeKeeper->getTime() + kiv.frameDuration;
        kiv.pTimeKeeper->setSteppedTime(now);
        kiv.frameTime = now;
        if (working) {
            root->tick(now, dt);
            kiv.pEventManager->tick(root);
        }
        kiv.pConsole->tick();
        if (bDraw) {
            kiv.pGraphics->clear(UColor(0, 0, 0, 0));
            root->render();
            kiv.pConsole->render();
            kiv.pGraphics->present();
            ++kiv.framesRendered;
        }
        if (kiv.bRestartRequested && kiv.mode == Kiv::MODE_OK) {
            kiv.bRestartRequested = false;
            kiv.changeKIVmode(Kiv::MODE_DISPLAYLOST);
        }
        ++frames;
    }

    // Seconds the engine clock and an uncapped screen clock advance per step.
    double dt;
    // Render and present each frame (needed only by tests that read pixels).
    bool bDraw = false;
    // Steps taken by this driver.
    int frames = 0;
};

} // namespace testsupport
