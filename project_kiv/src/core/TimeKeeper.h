#pragma once
// TimeKeeper: the engine clock in seconds, read from the engine's clock
// (KivClock; the program's counts whole milliseconds). Time spent while the
// engine is not running (inactive or display lost) is not counted unless
// the engine's bTickWhilePaused is set, so the game never jumps ahead after
// the window regains focus. Owned by Kiv; the clock is borrowed. Main
// thread only.
class KivClock;

class TimeKeeper {
public:
    explicit TimeKeeper(const KivClock& source);
    TimeKeeper(const TimeKeeper&) = delete;
    TimeKeeper& operator=(const TimeKeeper&) = delete;

    // Never decreases.
    double getTime() const;
    // Told by the engine at each mode step (old and new mode, 1..3); no
    // pause starts while the engine's bTickWhilePaused is set.
    void onKIVmodeChange(int oldMode, int newMode);

private:
    const KivClock& clock;
    double pausedTotal = 0.0;
    // Clock time the current pause began; negative while running.
    double pausedSince = -1.0;
    mutable double lastTime = 0.0;
};
