#pragma once
// ClockRandom: the milliseconds since the program started, as a random
// source: a number that differs at every start. The program seeds the
// intro's varying parts from it (MyGlobal); a run seeded from it never
// repeats, so nothing a test must repeat draws from it.
#include "rules/RandomSource.h"

class ClockRandom : public RandomSource {
public:
    int next() override;

    // One shared instance; it has no state.
    static ClockRandom& shared();
};
