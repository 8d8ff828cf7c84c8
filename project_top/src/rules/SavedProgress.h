#pragma once
// SavedProgress: a saved game's numbers as plain values (the roster keeps
// them as a SavedGame record) and the rule for continuing one. A record can
// be continued when it stands at a house that exists (neighbourhood 0..7, a
// house of it), counts exactly the houses before that one (at least 1: a
// game saved at the very first house has nothing to continue), holds no
// negative score or coins, keeps at least one life (every mode ends its game
// below one) and, where the mode has thermometer slots, leaves one free.
// Anything else comes from a damaged file.
#include <cstdint>

struct SavedProgress {
    // slotCount: the mode's thermometer slots (0: it has none).
    bool canContinue(int slotCount) const;

    int32_t housesPlayed = 0;
    int32_t neighbourhood = 0;
    int32_t houseIndex = 0;
    int32_t score = 0;
    int32_t coins = 0;
    int32_t lives = 0;
    int32_t usedSlots = 0;
};
