// How points, coins and lives add up: gains through the multiplier,
// penalties not, and nothing below zero or past the largest count.
#include "rules/Scoring.h"

#include <gtest/gtest.h>

namespace {

TEST(Scoring, GainsGoThroughTheMultiplierPenaltiesDoNotAndNothingLeavesItsRange)
{
    const struct {
        int32_t score;
        int multiplier, points;
        bool useMultiplier;
        int32_t expected;
    } scores[] = {
        {0, 2, 100, true, 200},     {0, 2, 100, false, 100}, {500, 2, -100, true, 400},
        {50, 1, -100, false, 0},    {50, 3, -100, true, 0},  {INT32_MAX - 10, 2, 100, true, INT32_MAX},
    };
    for (const auto& row : scores)
        EXPECT_EQ(Scoring::addPoints(row.score, row.points, row.multiplier, row.useMultiplier), row.expected)
            << row.score << " + " << row.points << " x" << row.multiplier << " multiplied " << row.useMultiplier;
    for (const auto& [count, n, expected] : {
             std::make_tuple(10, 25, 35),
             std::make_tuple(10, -25, 0),
             std::make_tuple(INT32_MAX, 1, INT32_MAX),
         })
        EXPECT_EQ(Scoring::addCount(count, n), expected) << count << " + " << n;
}

}
