// Player data: what the score, coins, lives and multiplier become as a game
// adds to them.
#include "PlayerData.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(PlayerData, GainsGoThroughTheMultiplierPenaltiesDoNotAndNothingDropsBelowZero)
{
    const struct {
        int32_t score;
        int multiplier;
        int points;
        bool useMultiplier;
        int32_t expected;
    } scores[] = {
        {0, 2, 100, true, 200},
        {0, 2, 100, false, 100},
        {500, 2, -100, true, 400},
        {50, 1, -100, false, 0},
        {50, 3, -100, true, 0},
        {INT32_MAX - 10, 2, 100, true, INT32_MAX},
    };
    for (const auto& row : scores) {
        PlayerData data(0);
        data.score = row.score;
        data.setMultiplier(row.multiplier, 30.0);
        data.addScore(row.points, row.useMultiplier);
        EXPECT_EQ(data.score, row.expected)
            << row.score << " + " << row.points << " x" << row.multiplier << " multiplied " << row.useMultiplier;
    }

    const struct {
        int32_t count;
        int n;
        int32_t expected;
    } counts[] = {{10, 25, 35}, {10, -25, 0}, {1, -1, 0}, {0, -3, 0}};
    for (const auto& row : counts) {
        PlayerData data(0);
        data.coins = row.count;
        data.lives = row.count;
        data.addCoins(row.n);
        data.addLives(row.n);
        EXPECT_EQ(data.coins, row.expected) << row.count << " coins + " << row.n;
        EXPECT_EQ(data.lives, row.expected) << row.count << " lives + " << row.n;
    }
}

TEST(PlayerData, TheSameMultiplierAgainExtendsItsTimeAnotherReplacesIt)
{
    const struct {
        int factor;
        double seconds;
        double expectedDuration;
    } steps[] = {{2, 10.0, 10.0}, {2, 10.0, 20.0}, {3, 10.0, 10.0}, {1, 999999.0, 999999.0}};
    PlayerData data(0);
    for (const auto& step : steps) {
        data.multiplierElapsed = 5.0;
        data.setMultiplier(step.factor, step.seconds);
        EXPECT_EQ(data.multiplier, step.factor);
        EXPECT_DOUBLE_EQ(data.multiplierDuration, step.expectedDuration) << "x" << step.factor;
        EXPECT_DOUBLE_EQ(data.multiplierElapsed, 0.0) << "x" << step.factor;
    }
}

}
