#pragma once
// FramePacer: waits at the end of each frame until the frame period has
// passed since the previous one, so the game runs at a fixed rate. A frame
// late by more than four periods starts a new schedule instead of being
// caught up. Reads and waits on the engine's clock (KivClock). Owned by
// Kiv; the clock is borrowed. Main thread only.
class KivClock;

class FramePacer {
public:
    explicit FramePacer(KivClock& source);
    FramePacer(const FramePacer&) = delete;
    FramePacer& operator=(const FramePacer&) = delete;

    // Period in seconds per frame ("frameRate", default 0.015).
    void init(double period);
    void wait();
    double getPeriod() const { return period; }

private:
    KivClock& clock;
    double period = 0.015;
    double nextFrame = -1.0;
};
