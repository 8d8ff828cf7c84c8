#include "TimeKeeper.h"

#include "Kiv.h"
#include "Logger.h"
#include "Ticks.h"

TimeKeeper::TimeKeeper()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

double TimeKeeper::rawSeconds()
{
    return getTicks() / 1000.0;
}

double TimeKeeper::getTime() const
{
    double time = steppedTime;
    if (!bStepped) {
        const double now = rawSeconds();
        double paused = pausedTotal;
        if (pausedSince >= 0.0)
            paused += now - pausedSince;
        time = now - paused;
    }
    if (time < lastTime)
        time = lastTime;
    lastTime = time;
    return time;
}

void TimeKeeper::onKIVmodeChange(int oldMode, int newMode)
{
    // A pause already running always ends, even if the flag was set during it.
    if (oldMode == Kiv::MODE_OK && pausedSince < 0.0 && !(pKiv && pKiv->bTickWhilePaused))
        pausedSince = rawSeconds();
    else if (newMode == Kiv::MODE_OK && pausedSince >= 0.0) {
        pausedTotal += rawSeconds() - pausedSince;
        pausedSince = -1.0;
    }
}

double TimeKeeper::step(double seconds)
{
    bStepped = true;
    steppedTime += seconds;
    lastTime = steppedTime;
    return steppedTime;
}
