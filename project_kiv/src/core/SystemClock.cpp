#include "SystemClock.h"

#include "Ticks.h"

#include <SDL/SDL.h>

double SystemClock::seconds() const
{
    return getTicks() / 1000.0;
}

void SystemClock::sleep(double seconds)
{
    SDL_Delay(static_cast<Uint32>(seconds * 1000.0));
}
