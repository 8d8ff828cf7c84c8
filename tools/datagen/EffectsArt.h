#pragma once
// EffectsArt: particles and props of the game scene (smoke puffs, flare,
// stars, the cloud disc, the blob, the solution path pieces, the countdown
// alarm clock and the spinning coin). Whatever the game tints is white or
// grey.
#include "DataWriter.h"

class EffectsArt {
public:
    void generate(DataWriter& out) const;
};
