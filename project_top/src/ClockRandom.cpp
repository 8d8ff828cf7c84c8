#include "ClockRandom.h"

#include "Ticks.h"

#include <cstdlib>

int ClockRandom::next()
{
    return static_cast<int>(getTicks() & RAND_MAX);
}

ClockRandom& ClockRandom::shared()
{
    static ClockRandom source;
    return source;
}
