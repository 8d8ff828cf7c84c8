#pragma once
// SoundMaker: synthesises the 39 sound effects (mono, 22050 Hz): clicks,
// pops, doors, coins, bells, jingles and cartoon voice chirps, each short,
// each ending in its own release and set to the loudness of its kind, with
// headroom for the sounds that play together. The clock tick is an exact
// loop of one tick-tock.
#include "DataWriter.h"

class SoundMaker {
public:
    void generate(DataWriter& out) const;
};
