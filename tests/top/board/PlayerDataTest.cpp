// Player data's timed multiplier: the same factor again extends its time,
// another replaces it.
#include "board/PlayerData.h"

#include <gtest/gtest.h>

namespace {

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
