#pragma once
// HouseStatistics: the numbers of the statistics page shown when a house
// ends: points collected in the house, whole seconds taken, matches,
// mistakes and, when there was a match, the efficiency in percent. Plain
// values, made from the house's counts.
#include <cstdint>

struct HouseStatistics {
    // startTime and endTime: scene seconds as the controller keeps them.
    static HouseStatistics of(int32_t score, int32_t scoreAtStart, float startTime, float endTime, int matches,
                              int mistakes);

    int points = 0;
    // Truncated toward zero.
    int seconds = 0;
    int matches = 0;
    int mistakes = 0;
    // Only with at least one match.
    bool hasEfficiency = false;
    // 100 * matches / (matches + mistakes), truncated.
    int efficiency = 0;
};
