#pragma once
// SoundMaker: synthesises the 39 sound effects (mono, 22050 Hz): clicks,
// pops, doors, coins, bells, jingles and cartoon voice chirps, each short.
// The clock tick is an exact loop of one tick-tock.
#include "DataWriter.h"

class SoundMaker {
public:
    void generate(DataWriter& out) const;
};
