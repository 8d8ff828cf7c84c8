#pragma once
// TimeKeeper: the engine clock in seconds, from the millisecond tick count.
// Time spent while the engine is not running (inactive or display lost) is
// not counted unless the engine's bTickWhilePaused is set, so the game never
// jumps ahead after the window regains focus. Owned by Kiv; main thread only.

class TimeKeeper {
public:
    TimeKeeper();

    // Never decreases.
    double getTime() const;
    // Told by the engine at each mode step (old and new mode, 1..3); no
    // pause starts while the engine's bTickWhilePaused is set.
    void onKIVmodeChange(int oldMode, int newMode);
    // For runs that step frames with a fixed dt instead of following the
    // real clock (the game tests): moves the clock on by seconds (>= 0) and
    // returns the new time. The first call takes the clock over from the
    // real time and starts it from zero, however long the start took, so
    // that a stepped run reads the same times in every run; from then on
    // the clock stands at the sum of the steps, and an engine frame run
    // after stepped ones goes on from there.
    double step(double seconds);

private:
    static double rawSeconds();

    double pausedTotal = 0.0;
    // Raw time the current pause began; negative while running.
    double pausedSince = -1.0;
    mutable double lastTime = 0.0;
    bool bStepped = false;
    double steppedTime = 0.0;
};
