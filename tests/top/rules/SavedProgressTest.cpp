// Which saved games can be continued, whatever a damaged or edited roster
// file holds.
#include "rules/SavedProgress.h"

#include <gtest/gtest.h>

namespace {

TEST(SavedProgress, OnlyAHouseThatExistsReachedByItsOwnHistoryCanBeContinued)
{
    const struct {
        const char* why;
        SavedProgress record; // houses played, neighbourhood, house, score, coins, lives, used slots
        // The mode's thermometer slots: 10 in quest mode, none where lives count.
        int slots;
        bool valid;
    } rows[] = {
        {"second house", {1, 0, 1, 5000, 20, 1, 0}, 10, true},
        {"first house of the second neighbourhood", {4, 1, 0, 0, 0, 1, 9}, 10, true},
        {"last challenge round", {47, 7, 8, 900000, 3, 1, 0}, 10, true},
        {"lives above the start where the mode counts them", {12, 2, 4, 0, 0, 7, 0}, 0, true},
        {"nothing played yet", {0, 0, 0, 0, 0, 1, 0}, 10, false},
        {"neighbourhood past the last", {48, 8, 0, 0, 0, 1, 0}, 10, false},
        {"negative neighbourhood", {1, -1, 1, 0, 0, 1, 0}, 10, false},
        {"house past its neighbourhood's", {4, 0, 4, 0, 0, 1, 0}, 10, false},
        {"history of another house", {5, 1, 0, 0, 0, 1, 0}, 10, false},
        {"negative score", {1, 0, 1, -1, 0, 1, 0}, 10, false},
        {"negative coins", {1, 0, 1, 0, -5, 1, 0}, 10, false},
        {"no life left", {1, 0, 1, 0, 0, 0, 0}, 10, false},
        {"a slot free at a higher difficulty", {1, 0, 1, 0, 0, 1, 5}, 6, true},
        {"every slot full at a higher difficulty", {1, 0, 1, 0, 0, 1, 6}, 6, false},
        {"negative slots", {1, 0, 1, 0, 0, 1, -1}, 10, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.record.canContinue(row.slots), row.valid) << row.why;
}

}
