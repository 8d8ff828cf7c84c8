#include "rules/HouseStatistics.h"

HouseStatistics HouseStatistics::of(int32_t score, int32_t scoreAtStart, float startTime, float endTime, int matches,
                                    int mistakes)
{
    HouseStatistics numbers;
    numbers.points = score - scoreAtStart;
    numbers.seconds = static_cast<int>(endTime - startTime);
    numbers.matches = matches;
    numbers.mistakes = mistakes;
    numbers.hasEfficiency = matches > 0;
    if (numbers.hasEfficiency) {
        const float share = static_cast<float>(matches) / static_cast<float>(matches + mistakes);
        numbers.efficiency = static_cast<int>(share * 100.0);
    }
    return numbers;
}
