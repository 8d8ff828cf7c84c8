#pragma once
// The journey through Glimmerdale as a player meets it, house by house: for
// each of the eight neighbourhoods the sizes of its houses in order, in
// apartments across and up, the last being its challenge round, which takes
// the size of the house before it. Quest and action mode build the street's
// houses; puzzle mode builds its own, one size on for every second
// neighbourhood. expectBuiltAsPlanned checks a game's house against them.
#include "board/House.h"
#include "game/GameController.h"

#include <gtest/gtest.h>

#include <vector>

namespace testsupport {

struct HouseSize {
    int width, height;
};

inline const std::vector<std::vector<HouseSize>> STREET_JOURNEY = {
    {{4, 4}, {4, 4}, {4, 4}, {4, 4}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 4}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}, {4, 5}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}, {5, 5}, {5, 5}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 5}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 6}, {5, 6}},
};

inline const std::vector<std::vector<HouseSize>> PUZZLE_JOURNEY = {
    {{4, 4}, {4, 4}, {4, 4}, {4, 4}},
    {{4, 4}, {4, 4}, {4, 4}, {4, 4}},
    {{4, 4}, {4, 4}, {4, 5}, {4, 5}, {4, 5}},
    {{4, 4}, {4, 4}, {4, 5}, {4, 5}, {4, 5}},
    {{4, 4}, {4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 5}},
    {{4, 4}, {4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 6}, {5, 6}},
    {{4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 6}, {5, 6}, {6, 6}, {6, 6}},
    {{4, 5}, {4, 5}, {5, 5}, {5, 5}, {5, 6}, {5, 6}, {6, 6}, {6, 7}, {6, 7}},
};

// The game's house is the plan's house of its neighbourhood: its size, and a
// challenge round exactly when it is the last.
inline void expectBuiltAsPlanned(const GameController* game, const std::vector<HouseSize>& houses, size_t house)
{
    EXPECT_EQ(std::make_pair(game->house->sizeX, game->house->sizeY),
              std::make_pair(houses[house].width, houses[house].height));
    EXPECT_EQ(game->challengeRound, house + 1 == houses.size());
}

} // namespace testsupport
