// Player data: what the score, coins, lives and multiplier become as a game
// adds to them.
#include "PlayerData.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerData, GainsGoThroughTheMultiplierPenaltiesDoNotAndNothingDropsBelowZero)
{
    const struct {
        int32_t score;
        int multiplier, points;
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
    // Coins and lives.
    for (const auto& [count, n, expected] : {
             std::make_tuple(10, 25, 35),
             std::make_tuple(10, -25, 0),
             std::make_tuple(0, -3, 0),
         }) {
        PlayerData data(0);
        data.coins = data.lives = count;
        data.addCoins(n);
        data.addLives(n);
        EXPECT_EQ(data.coins, expected) << count << " coins + " << n;
        EXPECT_EQ(data.lives, expected) << count << " lives + " << n;
    }
}

TEST(PlayerData, TheSameMultiplierAgainExtendsItsTimeAnotherReplacesIt)
{
    PlayerData data(0);
    for (const auto& [factor, seconds, duration] : {
             std::make_tuple(2, 10.0, 10.0),
             std::make_tuple(2, 10.0, 20.0),
             std::make_tuple(3, 10.0, 10.0),
             std::make_tuple(1, 999999.0, 999999.0),
         }) {
        data.multiplierElapsed = 5.0;
        data.setMultiplier(factor, seconds);
        EXPECT_EQ(data.multiplier, factor);
        EXPECT_DOUBLE_EQ(data.multiplierDuration, duration) << "x" << factor;
        EXPECT_DOUBLE_EQ(data.multiplierElapsed, 0.0) << "x" << factor;
    }
}

}
