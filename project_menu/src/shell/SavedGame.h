#pragma once
// SavedGame: one player's progress in one game mode, part of the roster file
// (ProfileManager). The game controller reads and writes the fields directly
// in the current player's profile. Main thread only.
#include <cstdint>

struct SavedGame {
    // False when continuing the record would index past the game's tables:
    // eight neighbourhoods of at most nine houses, solutions for 100 houses
    // per game, ten thermometer slots. Only meaningful for a saved game.
    bool isConsistent() const;

    // Houses cleared so far in the run; above 0 means a game is saved here.
    int32_t housesPlayed;
    // Zero-based.
    int32_t neighbourhood;
    // Zero-based, within the neighbourhood.
    int32_t houseIndex;
    int32_t score;
    int32_t coins;
    int32_t lives;
    // Quest mode's filled thermometer slots.
    int32_t usedSlots;
};

static_assert(sizeof(SavedGame) == 28, "a saved game is 28 bytes in the roster file");
