#include "board/PlayerData.h"

#include "rules/Scoring.h"

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
    score = Scoring::addPoints(score, points, multiplier, useMultiplier);
}

void PlayerData::addCoins(int n)
{
    coins = Scoring::addCount(coins, n);
}

void PlayerData::addLives(int n)
{
    lives = Scoring::addCount(lives, n);
}
