#pragma once
// HouseProgression: the journey through Glimmerdale as plain numbers. Eight
// neighbourhoods, each a run of houses of which the last is the challenge
// round; which features vary in each; the size of each house; how hard its
// smileys are drawn; the challenge round's clock; and the step from one
// house to the next. No state.
#include "rules/GameMode.h"

#include <cstdint>

class HouseProgression {
public:
    static constexpr int NEIGHBOURHOOD_COUNT = 8;
    static constexpr int GRID_SIZE_COUNT = 13;

    static constexpr const char* neighbourhoodNames[NEIGHBOURHOOD_COUNT] = {
        "Easy Street",    "Leasurely Lane", "Cozy Alley",     "Middle Road",
        "Tricky Terrace", "Hard Way",       "Ludicrous Lane", "Impassable Pass"};
    // Houses of each neighbourhood, its challenge round (the last) included.
    static constexpr int neighbourhoodHouses[NEIGHBOURHOOD_COUNT] = {4, 4, 5, 5, 6, 7, 8, 9};
    // Generator flags of each neighbourhood: bit 0 hair varies, bit 1 body,
    // bit 2 brows.
    static constexpr int neighbourhoodFeatures[NEIGHBOURHOOD_COUNT] = {0, 1, 2, 4, 3, 6, 5, 7};
    // House sizes in apartments (width x height) by size index.
    static constexpr int gridWidths[GRID_SIZE_COUNT] = {4, 4, 4, 4, 4, 5, 5, 5, 5, 6, 6, 7, 7};
    static constexpr int gridHeights[GRID_SIZE_COUNT] = {4, 4, 4, 5, 5, 5, 5, 6, 6, 6, 7, 7, 7};

    // Where a game stands: the counters the controller keeps and saves.
    struct Position {
        int32_t housesPlayed = 0;
        int32_t neighbourhood = 0;
        int32_t houseIndex = 0;
        // Houses of the neighbourhood, challenge round included.
        int32_t housesInNeighbourhood = 0;
        bool challengeRound = false;
    };
    // What comes after a house.
    enum Next { NEXT_HOUSE, NEXT_NEIGHBOURHOOD, JOURNEY_DONE };

    struct Size {
        int32_t width;
        int32_t height;
    };

    HouseProgression() = delete;

    // The last house of a neighbourhood is its challenge round.
    static bool isChallengeRound(int houseIndex, int housesInNeighbourhood)
    {
        return houseIndex == housesInNeighbourhood - 1;
    }
    // The grid of a house: it grows with the house's place in the
    // neighbourhood (in puzzle mode also every second neighbourhood); a
    // challenge round is one size smaller than its place.
    static Size houseSize(int houseIndex, int neighbourhood, GameMode mode, bool challengeRound);
    // The generator's hardness over a neighbourhood's ordinary houses: from
    // 0.15 per difficulty step on its first house to 0.5 plus lastPerLevel
    // per step on the one before the challenge round.
    static float risingHardness(int difficulty, int houseIndex, int housesInNeighbourhood, float lastPerLevel);
    // Longest wait (seconds) before a multiplier bubble, shrinking over the
    // first sixty houses (quest and puzzle mode).
    static float bubbleMax(int housesPlayed);
    // A challenge round of cells apartments: the thermometer empties in
    // cells seconds, and the alarm clock rings for its last two.
    static float challengeDrainSpeed(int cells) { return 1.0f / static_cast<float>(cells); }
    static float challengeAlarmSeconds(int cells) { return static_cast<float>(cells) - 2.0f; }
    // The house after position: the next one of the neighbourhood, or the
    // first of the next neighbourhood, or none after the eighth. A retried
    // house keeps the counters. Updates position accordingly (a new
    // neighbourhood leaves housesInNeighbourhood for the caller to set).
    static Next advance(Position& position, bool retry);
};
