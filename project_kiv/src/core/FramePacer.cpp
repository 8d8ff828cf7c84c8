#include "FramePacer.h"

#include "Logger.h"
#include "Ticks.h"

#include <SDL/SDL.h>

FramePacer::FramePacer()
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
    double now = getTicks() / 1000.0;
    if (nextFrame < 0.0 || now - nextFrame > period * 4.0)
        nextFrame = now;
    nextFrame += period;
    double remaining = nextFrame - now;
    if (remaining > 0.0)
        SDL_Delay(static_cast<Uint32>(remaining * 1000.0));
}
