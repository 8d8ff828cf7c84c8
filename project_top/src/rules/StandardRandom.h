#pragma once
// StandardRandom: the running game's random source, the C library's rand()
// (seeded by whoever calls srand: the tests with a fixed seed, the intro from
// the clock). Stateless: any number of them draw from the one sequence.
#include "rules/RandomSource.h"

class StandardRandom : public RandomSource {
public:
    int next() override;

    // One shared instance, for callers that hold no source of their own.
    static StandardRandom& shared();
};
