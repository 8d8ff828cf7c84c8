#include "rules/HouseProgression.h"

HouseProgression::Size HouseProgression::houseSize(int houseIndex, int neighbourhood, GameMode mode,
                                                   bool challengeRound)
{
    int size = houseIndex;
    if (mode == MODE_PUZZLE)
        size += neighbourhood / 2;
    if (challengeRound)
        size -= 1;
    return {gridWidths[size], gridHeights[size]};
}

float HouseProgression::risingHardness(int difficulty, int houseIndex, int housesInNeighbourhood, float lastPerLevel)
{
    const float level = static_cast<float>(difficulty);
    const float index = static_cast<float>(houseIndex);
    const float houses = static_cast<float>(housesInNeighbourhood);
    return 0.15f * level + (index / (houses - 2.0f)) * ((lastPerLevel * level + 0.5f) - 0.15f * level);
}

float HouseProgression::bubbleMax(int housesPlayed)
{
    return 24.0f - 8.0f * static_cast<float>(housesPlayed - 1) / 59.0f;
}

HouseProgression::Next HouseProgression::advance(Position& position, bool retry)
{
    if (!retry) {
        ++position.housesPlayed;
        ++position.houseIndex;
        position.challengeRound = isChallengeRound(position.houseIndex, position.housesInNeighbourhood);
    }
    if (position.houseIndex < position.housesInNeighbourhood)
        return NEXT_HOUSE;
    if (position.neighbourhood + 1 < NEIGHBOURHOOD_COUNT) {
        position.houseIndex = 0;
        ++position.neighbourhood;
        return NEXT_NEIGHBOURHOOD;
    }
    return JOURNEY_DONE;
}
