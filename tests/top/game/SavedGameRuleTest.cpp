// Which saved games can be continued: whatever a damaged or edited roster
// file holds, only a record of a house that exists, with the history that
// leads to it, is offered.
#include "GameController.h"
#include "SavedGame.h"

#include <gtest/gtest.h>

namespace {

TEST(SavedGameRule, OnlyAHouseThatExistsReachedByItsOwnHistoryCanBeContinued)
{
    constexpr int QUEST_SLOTS = 10;
    constexpr int NO_SLOTS = 0;
    const struct {
        const char* why;
        SavedGame record; // houses played, neighbourhood, house, score, coins, lives, used slots
        int slots;
        bool valid;
    } rows[] = {
        {"second house", {1, 0, 1, 5000, 20, 1, 0}, QUEST_SLOTS, true},
        {"first house of the second neighbourhood", {4, 1, 0, 0, 0, 1, 9}, QUEST_SLOTS, true},
        {"last challenge round", {47, 7, 8, 900000, 3, 1, 0}, QUEST_SLOTS, true},
        {"lives above the start where the mode counts them", {12, 2, 4, 0, 0, 7, 0}, NO_SLOTS, true},
        {"nothing played yet", {0, 0, 0, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"neighbourhood past the last", {48, 8, 0, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"negative neighbourhood", {1, -1, 1, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"house past its neighbourhood's", {4, 0, 4, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"negative house", {1, 1, -1, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"history of another house", {5, 1, 0, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"history of a bigger house", {30, 0, 1, 0, 0, 1, 0}, QUEST_SLOTS, false},
        {"negative score", {1, 0, 1, -1, 0, 1, 0}, QUEST_SLOTS, false},
        {"negative coins", {1, 0, 1, 0, -5, 1, 0}, QUEST_SLOTS, false},
        {"no life left", {1, 0, 1, 0, 0, 0, 0}, QUEST_SLOTS, false},
        {"no life left where the mode counts them", {1, 0, 1, 0, 0, 0, 0}, NO_SLOTS, false},
        {"every slot full", {1, 0, 1, 0, 0, 1, 10}, QUEST_SLOTS, false},
        {"a slot free at a higher difficulty", {1, 0, 1, 0, 0, 1, 5}, 6, true},
        {"every slot full at a higher difficulty", {1, 0, 1, 0, 0, 1, 6}, 6, false},
        {"negative slots", {1, 0, 1, 0, 0, 1, -1}, QUEST_SLOTS, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(GameController::isValidSavedGame(row.record, row.slots), row.valid) << row.why;
}

}
