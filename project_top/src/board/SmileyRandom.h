#pragma once
// smileyRandom: the game's random fraction in [0, 1), (rand() & 0xFFFF) /
// 65536, exact in a float. One rand() draw per call, so seeded runs repeat.
// Used by the smiley family (smiley, eyes, coin). Main thread only.
#include <cstdlib>

inline float smileyRandom()
{
    return static_cast<float>(std::rand() & 0xFFFF) / 65536.0f;
}
