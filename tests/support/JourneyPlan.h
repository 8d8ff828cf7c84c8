#pragma once
// The journey through Glimmerdale as a player meets it, house by house: for
// each of the eight neighbourhoods the sizes of its houses in order, in
// apartments across and up, the last being its challenge round, which takes
// the size of the house before it. Quest and action mode build the street's
// houses; puzzle mode builds its own, one size on for every second
// neighbourhood.
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

} // namespace testsupport
