#include "TimeKeeper.h"

#include "Kiv.h"
#include "KivClock.h"
#include "Logger.h"

TimeKeeper::TimeKeeper(const KivClock& source) : clock(source)
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

double TimeKeeper::getTime() const
{
    const double now = clock.seconds();
    double paused = pausedTotal;
    if (pausedSince >= 0.0)
        paused += now - pausedSince;
    double time = now - paused;
    if (time < lastTime)
        time = lastTime;
    lastTime = time;
    return time;
}

void TimeKeeper::onKIVmodeChange(int oldMode, int newMode)
{
    // A pause already running always ends, even if the flag was set during it.
    if (oldMode == Kiv::MODE_OK && pausedSince < 0.0 && !(pKiv && pKiv->bTickWhilePaused))
        pausedSince = clock.seconds();
    else if (newMode == Kiv::MODE_OK && pausedSince >= 0.0) {
        pausedTotal += clock.seconds() - pausedSince;
        pausedSince = -1.0;
    }
}
