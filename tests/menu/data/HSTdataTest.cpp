#include "HSTdata.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <memory>

namespace {

// The block is a file and wire format: read it back as the bytes the file holds.
int32_t int32At(const HSTdata& block, size_t offset)
{
    int32_t value;
    std::memcpy(&value, reinterpret_cast<const unsigned char*>(&block) + offset, sizeof(value));
    return value;
}

const unsigned char* bytesAt(const HSTdata& block, size_t offset)
{
    return reinterpret_cast<const unsigned char*>(&block) + offset;
}

size_t entryOffset(int table, int entry)
{
    return 88 + 560 * table + 56 * entry;
}

TEST(HSTdata, FreshBlockHoldsEveryDefaultAtItsOffset)
{
    const auto block = std::make_unique<HSTdata>();
    EXPECT_EQ(std::memcmp(bytesAt(*block, 0), "Glimmerdaledemo", 16), 0);
    EXPECT_EQ(std::memcmp(bytesAt(*block, 32), "1.30", 5), 0);
    EXPECT_EQ(*bytesAt(*block, 48), 0);
    EXPECT_EQ(int32At(*block, 80), 0) << "no engine, no load: the identifier is drawn only by load";
    EXPECT_EQ(std::memcmp(bytesAt(*block, 84), "--", 2), 0);

    struct Field {
        size_t offset;
        int32_t value;
    };
    const Field fields[] = {
        {1768, 1},  {1772, 1},  {1776, 100}, {1784, 1},   {1788, 24},  {1792, 15},  {1800, 2},
        {1808, 0},  {1864, 0},  {1868, 2},   {1872, 2},   {1876, 0},   {1880, 0},   {1896, 203},
        {1900, 30}, {1904, 205}, {1908, 32}, {1912, 200}, {1916, 17},  {1920, 208}, {1924, 45},
        {1928, 57}, {1932, 42}, {1936, 28},  {1940, 29},  {1952, 0},
    };
    for (const Field& field : fields)
        EXPECT_EQ(int32At(*block, field.offset), field.value) << "offset " << field.offset;

    struct Flag {
        size_t offset;
        unsigned char value;
    };
    const Flag flags[] = {{1780, 1}, {1781, 1}, {1782, 1}, {1783, 0}, {1796, 1},
                          {1804, 0}, {1805, 1}, {1844, 0}, {1956, 1}};
    for (const Flag& flag : flags)
        EXPECT_EQ(*bytesAt(*block, flag.offset), flag.value) << "offset " << flag.offset;

    EXPECT_EQ(*bytesAt(*block, 1812), 0);
    const unsigned char address[16] = {AF_INET, 0};
    EXPECT_EQ(std::memcmp(bytesAt(*block, 1848), address, 16), 0);
    const float vector[3] = {0.0f, 0.0f, -1.0f};
    EXPECT_EQ(std::memcmp(bytesAt(*block, 1884), vector, sizeof(vector)), 0);
    int64_t runStart;
    std::memcpy(&runStart, bytesAt(*block, 1944), sizeof(runStart));
    EXPECT_NEAR(static_cast<double>(runStart), static_cast<double>(std::time(nullptr)), 2.0);
}

TEST(HSTdata, FreshTablesCountDownFromOneHundredThousandWithEmptyNames)
{
    const auto block = std::make_unique<HSTdata>();
    const unsigned char zeros[16] = {};
    for (int table = 0; table < HSTdata::TABLE_COUNT; ++table) {
        for (int i = 0; i < HSTdata::ENTRY_COUNT; ++i) {
            const size_t offset = entryOffset(table, i);
            EXPECT_EQ(std::memcmp(bytesAt(*block, offset), zeros, 16), 0) << "default check value";
            EXPECT_EQ(*bytesAt(*block, offset + 16), 0) << "empty name";
            EXPECT_EQ(int32At(*block, offset + 32), 100000 - 10000 * i);
            EXPECT_EQ(int32At(*block, offset + 36), 10 - i);
            EXPECT_EQ(int32At(*block, offset + 40), 0);
        }
    }
}

TEST(HSTdata, InsertionFindsTheFirstLowerScoreAndTiesGoBelow)
{
    struct Case {
        int score;
        int position;
    };
    const Case cases[] = {{200000, 0}, {95000, 1}, {100000, 1}, {10001, 9}, {10000, -1}, {-5, -1}};
    for (const Case& c : cases) {
        HSTdata block;
        HighScoreEntry before[HSTdata::ENTRY_COUNT];
        std::memcpy(before, block.highScores[1], sizeof(before));
        EXPECT_EQ(block.insertHighScore(1, "Ann", c.score, 3, 4, false), c.position) << c.score;
        if (c.position < 0) {
            EXPECT_EQ(std::memcmp(before, block.highScores[1], sizeof(before)), 0) << "nothing changes";
            continue;
        }
        const HighScoreEntry& entry = block.highScores[1][c.position];
        EXPECT_STREQ(entry.name, "Ann");
        EXPECT_EQ(entry.score, c.score);
        EXPECT_EQ(entry.value2, 3);
        EXPECT_EQ(entry.value3, 4);
        for (int i = 0; i < c.position; ++i)
            EXPECT_EQ(std::memcmp(&before[i], &block.highScores[1][i], sizeof(HighScoreEntry)), 0);
        for (int i = c.position + 1; i < HSTdata::ENTRY_COUNT; ++i)
            EXPECT_EQ(std::memcmp(&before[i - 1], &block.highScores[1][i], sizeof(HighScoreEntry)), 0)
                << "every byte of entry " << i - 1 << " moves down one place";
    }
}

TEST(HSTdata, InsertionKeepsAtMostFifteenCharactersOfTheName)
{
    HSTdata block;
    block.insertHighScore(0, "A name far longer than the field", 500000, 0, 0, false);
    EXPECT_STREQ(block.highScores[0][0].name, "A name far long");
    block.insertHighScore(0, nullptr, 600000, 0, 0, false);
    EXPECT_STREQ(block.highScores[0][0].name, "");
}

TEST(HSTdata, InsertionIntoATableThatDoesNotExistChangesNothing)
{
    HSTdata block;
    unsigned char before[HSTdata::FILE_SIZE];
    std::memcpy(before, &block, sizeof(before));
    EXPECT_EQ(block.insertHighScore(3, "Ann", 999999, 0, 0, true), -1);
    EXPECT_EQ(block.insertHighScore(-1, "Ann", 999999, 0, 0, true), -1);
    EXPECT_EQ(std::memcmp(before, &block, sizeof(before)), 0);
}

TEST(HSTdata, UnsignedEntryCarriesTheMarkerByte)
{
    HSTdata block;
    const int position = block.insertHighScore(2, "Bo", 95000, 0, 0, false);
    const unsigned char marker[16] = {1};
    EXPECT_EQ(std::memcmp(block.highScores[2][position].checkValue.bytes, marker, 16), 0);
}

TEST(HSTdata, SignedEntryDigestsItsWholeTableAndNoOther)
{
    HSTdata block;
    HighScoreEntry others[2][HSTdata::ENTRY_COUNT];
    std::memcpy(others[0], block.highScores[0], sizeof(others[0]));
    std::memcpy(others[1], block.highScores[2], sizeof(others[1]));

    const int position = block.insertHighScore(1, "Cy", 95000, 7, 1, true);
    HighScoreEntry table[HSTdata::ENTRY_COUNT];
    std::memcpy(table, block.highScores[1], sizeof(table));
    table[position].checkValue = MD5Digest();
    EXPECT_EQ(block.highScores[1][position].checkValue, MD5Digest(HSTdata::SIGNATURE_KEY, table, sizeof(table)));

    EXPECT_EQ(std::memcmp(others[0], block.highScores[0], sizeof(others[0])), 0);
    EXPECT_EQ(std::memcmp(others[1], block.highScores[2], sizeof(others[1])), 0);

    HSTdata other;
    std::memcpy(other.highScores[1], block.highScores[1], sizeof(table));
    other.highScores[1][9].value3 = 12345;
    const int again = other.insertHighScore(1, "Cy", 95000, 7, 1, true);
    EXPECT_NE(other.highScores[1][again].checkValue, block.highScores[1][position].checkValue)
        << "another table content gives another check value";
}

TEST(HSTdata, ResetRestoresTheScoresAndKeepsTheRandomBytes)
{
    HSTdata block;
    for (int table = 0; table < HSTdata::TABLE_COUNT; ++table) {
        for (int i = 0; i < 4; ++i)
            block.insertHighScore(table, "Dee", 500000 + i, 1, 2, i % 2 == 0);
    }
    unsigned char unused[3][HSTdata::ENTRY_COUNT][4];
    for (int table = 0; table < HSTdata::TABLE_COUNT; ++table)
        for (int i = 0; i < HSTdata::ENTRY_COUNT; ++i)
            std::memcpy(unused[table][i], block.highScores[table][i].unused, 4);

    block.resetHighScores();
    const unsigned char zeros[16] = {};
    for (int table = 0; table < HSTdata::TABLE_COUNT; ++table) {
        for (int i = 0; i < HSTdata::ENTRY_COUNT; ++i) {
            const HighScoreEntry& entry = block.highScores[table][i];
            EXPECT_EQ(entry.score, 100000 - 10000 * i);
            EXPECT_EQ(entry.value2, 10 - i);
            EXPECT_EQ(entry.value3, 0);
            EXPECT_EQ(entry.name[0], 0);
            EXPECT_EQ(std::memcmp(entry.checkValue.bytes, zeros, 16), 0);
            EXPECT_EQ(std::memcmp(entry.unused, unused[table][i], 4), 0);
        }
    }
}

TEST(HSTdata, RunTimeIsAddedOnlyWhenTheClockWentForward)
{
    HSTdata block;
    block.playTime = 1000;
    block.runStart.set(std::time(nullptr) + 3600);
    block.addRunTime();
    EXPECT_EQ(block.playTime, 1000) << "clock set back: nothing added";

    block.runStart.set(std::time(nullptr) - 100);
    block.addRunTime();
    EXPECT_GE(block.playTime, 1100);
    EXPECT_LE(block.playTime, 1102);
    block.addRunTime();
    EXPECT_LE(block.playTime, 1103) << "the run is counted once";

    block.playTime = INT32_MAX - 5;
    block.runStart.set(std::time(nullptr) - 100);
    block.addRunTime();
    EXPECT_EQ(block.playTime, INT32_MAX) << "the counter saturates instead of wrapping negative";
}

}
