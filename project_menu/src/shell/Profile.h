#pragma once
// Profile: one player of the roster (ProfileManager) with a saved game per
// game mode (action 0, quest 1, puzzle 2). Part of the roster file, so the
// layout is fixed; ProfileManager owns every profile. Main thread only.
#include "SavedGame.h"

#include <cstdint>

struct Profile {
    static constexpr int NAME_SIZE = 16;
    static constexpr int MODE_COUNT = 3;

    // Has a saved game for the mode when its houses-played count is above 0.
    bool hasSavedGame(int mode) const;
    // Forgets the saved game; the other fields of the record stay as they are.
    void clearSavedGame(int mode);

    // NUL-terminated, at most NAME_SIZE - 1 characters; empty for a free slot.
    char name[NAME_SIZE];
    // Random, drawn when the player is added.
    uint32_t id;
    SavedGame savedGames[MODE_COUNT];
};

static_assert(sizeof(Profile) == 104, "a profile is 104 bytes in the roster file");
