#pragma once
// FrameDriver: the one way tests step the engine frame by frame. A step is
// one engine frame as Kiv::frame runs it, with a fixed dt instead of the
// clock and without waiting for the frame period: engine mode handling, the
// engine clock moved on by dt (TimeKeeper, so that an engine frame run after
// stepped ones goes on from the stepped time, and Kiv::frameTime and
// frameDuration), input update, audio update with the stepped time, the
// root's tick with (t, dt), the event manager's tick, the console's tick,
// and only when drawing is on (off by default, for speed) render and
// present; the frame rate measured (Kiv::measureFrameRate) from the
// stepped time; a display restart asked for during the frame follows it, as
// in Kiv::frame. Screenshots and the statistics overlay are left out, and no
// SDL event is read: the events tests feed (SyntheticInput.h) are delivered
// at the start of the step.
//
// Sound normally plays on SDL's audio thread in real time, far slower than
// the steps. takeOverAudio closes the device instead and has each working
// step mix the sound of its dt before the audio update, so that sounds end,
// fades run and music restarts in step with the game (replays need that).
//
// Works with any root Context: the real ContextManager (GameHarness) or a
// bare test screen. The first step takes the engine clock over from the
// real time for the rest of the process and starts it from zero, so that
// how long the start took never reaches the game. Main thread only, with an
// engine (pKiv) running; the driver owns nothing.
#include "Console.h"
#include "Context.h"
#include "EventManager.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Mixer.h"
#include "SyntheticInput.h"
#include "TimeKeeper.h"
#include "UColor.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace testsupport {

class FrameDriver {
public:
    // Seconds per step unless a test asks for another.
    static constexpr double DEFAULT_DT = 0.01;

    explicit FrameDriver(double stepSeconds = DEFAULT_DT) : dt(stepSeconds) {}

    // One frame over root (null: only the engine's own parts run).
    void step(Context* root)
    {
        Kiv& kiv = *pKiv;
        deliverFedEvents();
        kiv.stats = FrameStatistics();
        ++kiv.frameNumber;
        followModes(kiv);
        const bool working = kiv.mode == Kiv::MODE_OK || (kiv.mode == Kiv::MODE_INACTIVE && kiv.bTickWhilePaused);
        // Time spent inactive does not count, as with the real clock.
        kiv.frameDuration = working ? dt : 0.0;
        const double now = kiv.pTimeKeeper->step(kiv.frameDuration);
        kiv.frameTime = now;
        if (working) {
            kiv.pInput->update();
            if (bMixAudio && kiv.mode == Kiv::MODE_OK)
                mixStep();
            kiv.pAudio->update(now);
            if (root)
                root->tick(now, dt);
            kiv.pEventManager->tick(root);
        }
        kiv.pConsole->tick();
        if (bDraw || (drawWhen && drawWhen())) {
            kiv.pGraphics->clear(UColor(0, 0, 0, 0));
            if (root)
                root->render();
            kiv.pConsole->render();
            kiv.pGraphics->present();
            ++kiv.framesRendered;
        }
        // The program draws every frame, so every step counts in its rate.
        kiv.measureFrameRate(now);
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
    // Asked after the tick while bDraw is off: true draws this frame (a
    // replay draws only the frames it looks at).
    std::function<bool()> drawWhen;

    // Closes SDL's audio device (its thread stops; the engine's pause and
    // resume then do nothing) and has every working step mix dt of sound.
    // Nothing while audio is muted. Call right after the engine starts.
    void takeOverAudio()
    {
        if (!pKiv->pAudio->pMixer)
            return;
        SDL_CloseAudio();
        bMixAudio = true;
    }

private:
    // The sound of one step: dt at the device's rate, the fractions carried on.
    void mixStep()
    {
        Mixer& mixer = *pKiv->pAudio->pMixer;
        owedFrames += dt * mixer.output.freq;
        const int bytesPerFrame = mixer.output.channels * mixer.bytesPerSample;
        stream.resize(static_cast<size_t>(mixer.output.samples) * bytesPerFrame);
        while (owedFrames >= 1.0) {
            const int count = std::min(static_cast<int>(owedFrames), static_cast<int>(mixer.output.samples));
            mixer.mix(stream.data(), count * bytesPerFrame);
            owedFrames -= count;
        }
    }

    bool bMixAudio = false;
    double owedFrames = 0.0;
    // What the device would have played; nobody listens.
    std::vector<Uint8> stream;

    // A lost display comes back first, then the mode follows the focus flag.
    static void followModes(Kiv& kiv)
    {
        if (kiv.mode == Kiv::MODE_DISPLAYLOST)
            kiv.changeKIVmode(Kiv::MODE_INACTIVE);
        const int target = kiv.bAppActive ? Kiv::MODE_OK : Kiv::MODE_INACTIVE;
        if (kiv.mode != target)
            kiv.changeKIVmode(target);
    }
};

} // namespace testsupport
