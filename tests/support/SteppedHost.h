#pragma once
// SteppedHost: the engine's host (KivHost) for a run that steps frames with
// a fixed dt, never sleeping and never reading the real clock, and the step
// itself: frame() moves the clock on by dt, hands the engine the events fed
// since the last frame (SyntheticInput.h) and runs the engine's own frame
// (Kiv::frame) over a root screen; step() runs a frame of the caller's way
// (the program's loop pass). Its parts:
//   - the clock stands at the sum of the steps (0 when the engine is made;
//     each step rounded up to about a nanosecond, so that every step lasts
//     exactly as long), and its sleep does not wait: the frame pacer asks,
//     the next frame comes at once;
//   - the sound is mixed on the main thread, as much of it as the frame's
//     time has moved on when the frame hands the time to the audio device,
//     so that sounds end, fades run and music restarts in step with the
//     game, but only while the device plays; nobody listens, but the
//     device's status (paused, playing, closed) can be read and watched,
//     and the samples mixed at full scale (clamped) are counted;
//   - only the frames asked for are drawn (all while bDraw is set, else
//     those drawWhen wants, asked after the frame's tick): every frame drawn
//     under Mesa's software renderer makes the game tests several times
//     slower. A frame not drawn is the engine's own frame all the same.
// Make the engine with host(); this object must outlive it. Main thread only.
//
//   SteppedHost stepped;                 // 0.01 s a frame
//   new Kiv(stepped.host());
//   stepped.frame(root);                 // root may be null
//   stepped.step([] { return runLoopPass(takeFedEvent); });
//   stepped.bDraw = true;                // only to read pixels
#include "AudioOutput.h"
#include "Context.h"
#include "DrawSchedule.h"
#include "Kiv.h"
#include "KivClock.h"
#include "KivHost.h"
#include "SyntheticInput.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace testsupport {

// Stands at the sum of the steps it was moved on by, each rounded up to a
// whole number of TICKs, so that the clock's readings are exact and every
// step of one length lasts exactly as long, however far the clock has run:
// a frame's duration, a difference of two readings, is the same in every
// frame, and what the game times comes in the same frame wherever it falls
// in a run.
class SteppedClock : public KivClock {
public:
    // 2^-30 seconds, about a nanosecond.
    static constexpr double TICK = 1.0 / (1 << 30);

    double seconds() const override { return now; }
    void sleep(double) override {}
    void advance(double seconds) { now += std::ceil(seconds / TICK) * TICK; }

private:
    double now = 0.0;
};

// The sound device of a stepped run: it mixes the sound of the time each
// frame hands it, on the main thread, in the format asked for, and only
// while it plays (as SDL's device calls back only then), so that a frame's
// sound does not advance while the device is paused; and it says what the
// engine made of it: its status, told as it changes to whoever watches,
// and each buffer it had the program mix, as it leaves the program.
class InStepAudio : public AudioOutput {
public:
    static constexpr Uint16 DEFAULT_SAMPLES = 1024;
    // The mixer's full scale in a 16-bit format, where it clamps.
    static constexpr int FULL_SCALE = 32760;
    // Not opened yet; open and paused (as it opens); open and playing;
    // closed.
    enum class Status { UNOPENED, PAUSED, PLAYING, CLOSED };

    void open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained) override
    {
        // As SDL fills in what it obtained for a signed 16-bit format; a
        // buffer of its own size when none is asked for.
        obtained = desired;
        if (obtained.samples == 0)
            obtained.samples = DEFAULT_SAMPLES;
        obtained.silence = 0;
        obtained.size = static_cast<Uint32>(obtained.samples) * obtained.channels * ((obtained.format & 0xFF) / 8);
        opened = obtained;
        stream.resize(obtained.size);
        become(Status::PAUSED);
    }
    void pause(bool bPaused) override
    {
        if (status == Status::PAUSED || status == Status::PLAYING)
            become(bPaused ? Status::PAUSED : Status::PLAYING);
    }
    void close() override
    {
        if (status == Status::PAUSED || status == Status::PLAYING)
            become(Status::CLOSED);
    }
    void lock() override {}
    void unlock() override {}
    // The frames owed since the last call, at most a buffer at a time, the
    // fractions carried on; the time while not playing is owed nothing.
    void pull(double time) override
    {
        if (status == Status::PLAYING)
            owedFrames += (time - lastTime) * opened.freq;
        lastTime = time;
        while (owedFrames >= 1.0) {
            const int count = std::min(static_cast<int>(owedFrames), static_cast<int>(opened.samples));
            const int bytes = static_cast<int>(count * opened.size / opened.samples);
            if (beforeMix)
                beforeMix(count);
            opened.callback(opened.userdata, stream.data(), bytes);
            countPinned(bytes);
            if (afterMix)
                afterMix(stream.data(), bytes);
            owedFrames -= count;
            mixedFrames += count;
        }
    }

    Status getStatus() const { return status; }
    // "unopened", "paused", "playing" or "closed".
    static const char* name(Status of)
    {
        static const char* const NAMES[] = {"unopened", "paused", "playing", "closed"};
        return NAMES[static_cast<int>(of)];
    }

    // Called with the new status at each change, as it happens; may be empty.
    std::function<void(Status)> onChange;
    // Called around each buffer the program mixes: before, with its frames;
    // after, with the bytes mixed. Either may be empty.
    std::function<void(int frames)> beforeMix;
    std::function<void(const Uint8* bytes, int length)> afterMix;
    // Sample frames mixed since the output was made.
    long mixedFrames = 0;
    // Samples of those frames (left and right each) that left the mixer at
    // the full scale of its 16-bit format, where it clamps what passes it.
    long pinnedSamples = 0;

private:
    void become(Status next)
    {
        if (next == status)
            return;
        status = next;
        if (onChange)
            onChange(next);
    }

    // The engine asks for signed 16-bit samples, low byte first.
    void countPinned(int bytes)
    {
        if (opened.format != AUDIO_S16LSB)
            return;
        for (int i = 0; i + 1 < bytes; i += 2) {
            const int sample = static_cast<Sint16>(stream[i] | stream[i + 1] << 8);
            pinnedSamples += sample >= FULL_SCALE || sample <= -FULL_SCALE;
        }
    }

    Status status = Status::UNOPENED;
    // What open gave.
    SDL_AudioSpec opened{};
    double lastTime = 0.0;
    double owedFrames = 0.0;
    std::vector<Uint8> stream;
};

class SteppedHost : public DrawSchedule {
public:
    // Seconds per frame unless a test asks for another.
    static constexpr double DEFAULT_DT = 0.01;

    explicit SteppedHost(double stepSeconds = DEFAULT_DT) : dt(stepSeconds) {}
    SteppedHost(const SteppedHost&) = delete;
    SteppedHost& operator=(const SteppedHost&) = delete;

    KivHost host() { return {clock, audio, *this}; }

    // The clock moved on by dt, then runFrame, which runs one engine frame
    // (through the program's loop pass, say); returns what it returns.
    template <typename RunFrame>
    auto step(RunFrame runFrame)
    {
        clock.advance(dt);
        ++frames;
        return runFrame();
    }
    // One engine frame over root (null: only the engine's own parts run),
    // the events fed handed to the engine first.
    void frame(Context* root)
    {
        step([root] {
            deliverFedEvents();
            pKiv->frame(root);
        });
    }

    bool drawsFrame() override { return bDraw || (drawWhen && drawWhen()); }

    // Seconds the clock moves on before each frame.
    double dt;
    // Every frame drawn (only tests that read pixels need it).
    bool bDraw = false;
    // Asked after each frame's tick while bDraw is off: true draws the frame.
    std::function<bool()> drawWhen;
    // Frames run.
    int frames = 0;
    SteppedClock clock;
    InStepAudio audio;
};

} // namespace testsupport
