#pragma once
// HighScoreEntry: one row of a high-score table inside the persistent block
// (HSTdata). Its 56 bytes are part of the ".hst" file and of the score
// upload, so the layout is fixed; HSTdata owns every entry. Main thread only.
#include "MD5Digest.h"
#include "TimeStamp.h"

#include <cstddef>
#include <cstdint>

struct HighScoreEntry {
    static constexpr int NAME_SIZE = 16;

    // Keyed digest of the whole table (signed entry), the byte 1 and zeros
    // (unsigned entry), or all zero (default entry).
    MD5Digest checkValue;
    // NUL-terminated, at most NAME_SIZE - 1 characters.
    char name[NAME_SIZE];
    int32_t score;
    int32_t value2;
    int32_t value3;
    // Random bytes from the block's initial fill, kept as they are.
    uint8_t unused[4];
    TimeStamp time;
};

static_assert(sizeof(HighScoreEntry) == 56, "a high-score entry is 56 bytes in the file");
static_assert(offsetof(HighScoreEntry, name) == 16);
static_assert(offsetof(HighScoreEntry, score) == 32);
static_assert(offsetof(HighScoreEntry, value2) == 36);
static_assert(offsetof(HighScoreEntry, value3) == 40);
static_assert(offsetof(HighScoreEntry, time) == 48);
