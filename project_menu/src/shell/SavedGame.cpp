#include "SavedGame.h"

namespace {
constexpr int NEIGHBOURHOOD_COUNT = 8;
constexpr int MOST_HOUSES_PER_NEIGHBOURHOOD = 9;
constexpr int SOLUTION_TABLE_WIDTH = 100;
constexpr int THERMOMETER_SLOTS = 10;
}

bool SavedGame::isConsistent() const
{
    return housesPlayed > 0 && housesPlayed < SOLUTION_TABLE_WIDTH && neighbourhood >= 0 &&
           neighbourhood < NEIGHBOURHOOD_COUNT && houseIndex >= 0 && houseIndex < MOST_HOUSES_PER_NEIGHBOURHOOD &&
           lives >= 0 && usedSlots >= 0 && usedSlots <= THERMOMETER_SLOTS;
}
