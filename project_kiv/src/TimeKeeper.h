#pragma once
// TimeKeeper: the engine clock in seconds. Time spent while the application
// is inactive is not counted (unless bTickWhilePaused), so it never jumps.

class TimeKeeper {
public:
    TimeKeeper();

    double getTime() const;
    // Told by the engine at each mode step.
    void onKIVmodeChange(int oldMode, int newMode);

    bool bTickWhilePaused = false;

private:
    double rawSeconds() const;
    double pausedTotal = 0.0;
    double pausedSince = -1.0;
};
