#include "PlayerData.h"

#include <algorithm>
#include <cstdint>

namespace {

// Sums in 64 bits, so that a large bonus times a multiplier can neither wrap
// nor leave the range of the stored count.
int32_t clampedSum(int32_t current, int64_t gain)
{
    const int64_t sum = static_cast<int64_t>(current) + gain;
    return static_cast<int32_t>(std::clamp<int64_t>(sum, 0, INT32_MAX));
}

}

PlayerData::PlayerData(int playerNumber) : number(playerNumber)
{
}

void PlayerData::setMultiplier(int factor, double seconds)
{
    if (multiplier == factor) {
        multiplierDuration += seconds;
    } else {
        multiplier = factor;
        multiplierDuration = seconds;
    }
    multiplierElapsed = 0.0;
}

void PlayerData::addScore(int points, bool useMultiplier)
{
    const int64_t gain = useMultiplier && points > 0 ? static_cast<int64_t>(points) * multiplier : points;
    score = clampedSum(score, gain);
}

void PlayerData::addCoins(int n)
{
    coins = clampedSum(coins, n);
}

void PlayerData::addLives(int n)
{
    lives = clampedSum(lives, n);
}
