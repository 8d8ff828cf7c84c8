#include "FramePacer.h"

#include "KivClock.h"
#include "Logger.h"

FramePacer::FramePacer(KivClock& source) : clock(source)
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

void FramePacer::init(double framePeriod)
{
    period = framePeriod;
    nextFrame = -1.0;
}

void FramePacer::wait()
{
    const double now = clock.seconds();
    if (nextFrame < 0.0 || now - nextFrame > period * 4.0)
        nextFrame = now;
    nextFrame += period;
    const double remaining = nextFrame - now;
    if (remaining > 0.0)
        clock.sleep(remaining);
}
