#include "HSTdata.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>

namespace {

// Row 0 of the table in use (1) holds 100000, each row 10000 less. Names
// keep at most 15 characters.
TEST(HSTdata, InsertionFindsTheFirstLowerScoreAndTiesGoBelow)
{
    struct Case { int table; int score; int position; };
    const Case cases[] = {{1, 200000, 0}, {1, 95000, 1}, {1, 100000, 1}, {1, 10001, 9},
                          {1, 10000, -1}, {1, -5, -1},   {3, 999999, -1}, {-1, 999999, -1}};
    for (const Case& c : cases) {
        HSTdata block;
        unsigned char before[HSTdata::FILE_SIZE];
        std::memcpy(before, &block, sizeof(before));
        HighScoreEntry old[HSTdata::ENTRY_COUNT];
        std::memcpy(old, block.highScores[1], sizeof(old));
        EXPECT_EQ(block.insertHighScore(c.table, "A name far longer than the field", c.score, 3, 4, false), c.position)
            << c.score;
        if (c.position < 0) {
            EXPECT_EQ(std::memcmp(before, &block, sizeof(before)), 0) << "nothing changes";
            continue;
        }
        const HighScoreEntry& entry = block.highScores[1][c.position];
        EXPECT_STREQ(entry.name, "A name far long");
        EXPECT_EQ(entry.score, c.score);
        EXPECT_EQ(entry.value2, 3);
        EXPECT_EQ(entry.value3, 4);
        const unsigned char marker[16] = {1};
        EXPECT_EQ(std::memcmp(entry.checkValue.bytes, marker, 16), 0) << "an unsigned entry carries the marker";
        for (int i = 0; i < c.position; ++i)
            EXPECT_EQ(std::memcmp(&old[i], &block.highScores[1][i], sizeof(HighScoreEntry)), 0);
        for (int i = c.position + 1; i < HSTdata::ENTRY_COUNT; ++i)
            EXPECT_EQ(std::memcmp(&old[i - 1], &block.highScores[1][i], sizeof(HighScoreEntry)), 0)
                << "every byte of entry " << i - 1 << " moves down one place";
    }
}

TEST(HSTdata, SignedEntryDigestsItsWholeTable)
{
    HSTdata block;
    const int position = block.insertHighScore(1, "Cy", 95000, 7, 1, true);
    HighScoreEntry table[HSTdata::ENTRY_COUNT];
    std::memcpy(table, block.highScores[1], sizeof(table));
    table[position].checkValue = MD5Digest();
    EXPECT_EQ(block.highScores[1][position].checkValue, MD5Digest(HSTdata::SIGNATURE_KEY, table, sizeof(table)));
}

// Every table, signed rows too, goes back to the ten default rows.
TEST(HSTdata, ResetRestoresTheScoresOfEveryTable)
{
    HSTdata block;
    for (int table = 0; table < HSTdata::TABLE_COUNT; ++table)
        block.insertHighScore(table, "Dee", 500000, 1, 2, true);
    block.resetHighScores();
    for (const auto& table : block.highScores)
        for (int i = 0; i < HSTdata::ENTRY_COUNT; ++i) {
            EXPECT_EQ(table[i].score, 100000 - 10000 * i);
            EXPECT_EQ(table[i].name[0], 0);
            EXPECT_EQ(table[i].checkValue, MD5Digest()) << "no row stays signed";
        }
}

// Each row counts its run twice: the second count adds nothing.
TEST(HSTdata, RunTimeIsAddedOnlyWhenTheClockWentForward)
{
    struct Case { const char* what; int32_t playTime; int startFromNow; int32_t low, high; };
    const Case cases[] = {
        {"clock set back", 1000, 3600, 1000, 1000},
        {"a run of 100 s", 1000, -100, 1100, 1102},
        {"saturates instead of wrapping", INT32_MAX - 5, -100, INT32_MAX, INT32_MAX},
    };
    for (const Case& c : cases) {
        HSTdata block;
        block.playTime = c.playTime;
        block.runStart.set(std::time(nullptr) + c.startFromNow);
        block.addRunTime();
        block.addRunTime();
        EXPECT_GE(block.playTime, c.low) << c.what;
        EXPECT_LE(block.playTime, c.high) << c.what;
    }
}

}
