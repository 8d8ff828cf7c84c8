#pragma once
// FramePacer: waits at the end of each frame until the frame period has
// passed since the previous frame started.

class FramePacer {
public:
    FramePacer();

    // Period in seconds per frame ("frameRate", default 0.015).
    void init(double period);
    void wait();
    double getPeriod() const { return period; }

private:
    double period = 0.015;
    double nextFrame = -1.0;
};
