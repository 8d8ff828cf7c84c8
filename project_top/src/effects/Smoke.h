#pragma once
// Smoke: the puff of an impatient smiley: an Explosion whose particles run
// through the frames of the texture "smoke" in one colour. The smiley
// appends it to the game's effect layer, which ticks, draws and deletes it.
// Main thread only.
#include "UColor.h"
#include "effects/Explosion.h"

class Smoke : public Explosion {
public:
    // As Explosion; colour is given to every particle.
    Smoke(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
          float particleScale, UColor colour);
};
