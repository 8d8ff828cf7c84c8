// The game's numbers as plain values: how points, coins and lives add up
// (gains through the multiplier, penalties not, nothing out of range), which
// saved games can be continued whatever a damaged or edited roster holds,
// vitamin names, help texts and prices by difficulty, each mode's music,
// and action mode's thermometer rates.
#include "rules/ActionPace.h"
#include "rules/HouseProgression.h"
#include "rules/ModeTable.h"
#include "rules/SavedProgress.h"
#include "rules/Scoring.h"
#include "rules/VitaminTable.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(Scoring, GainsGoThroughTheMultiplierPenaltiesDoNotAndNothingLeavesItsRange)
{
    const struct {
        int32_t score;
        int multiplier, points;
        bool useMultiplier;
        int32_t expected;
    } scores[] = {
        {0, 2, 100, true, 200},     {0, 2, 100, false, 100}, {500, 2, -100, true, 400},
        {50, 1, -100, false, 0},    {50, 3, -100, true, 0},  {INT32_MAX - 10, 2, 100, true, INT32_MAX},
    };
    for (const auto& row : scores)
        EXPECT_EQ(Scoring::addPoints(row.score, row.points, row.multiplier, row.useMultiplier), row.expected)
            << row.score << " + " << row.points << " x" << row.multiplier << " multiplied " << row.useMultiplier;
    for (const auto& [count, n, expected] : {
             std::make_tuple(10, 25, 35),
             std::make_tuple(10, -25, 0),
             std::make_tuple(INT32_MAX, 1, INT32_MAX),
         })
        EXPECT_EQ(Scoring::addCount(count, n), expected) << count << " + " << n;
}

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

TEST(ModeRules, EachVitaminHasItsNameHelpAndPriceWhichGrowsByHalfItsBaseForEachDifficultyStep)
{
    const struct {
        int kind;
        const char* name;
        int cost;
        const char* help;
    } vitamins[] = {
        {VITAMIN_HINT, "hint", 30, "This vitamin will point out|two random smileys|that can be matched."},
        {VITAMIN_MULTIMATCH, "multimatch", 80,
         "This vitamin will match|your current selection with|up to 3 other smileys|simultaneously."},
        {VITAMIN_DOUBLE_SCORE, "double score", 150,
         "This vitamin will double|any points you gain|for the next 30 seconds."},
        {VITAMIN_UNLOCK_DOOR, "unlock door", 250,
         "This vitamin will|unlock one of the doors|so smileys can appear again."},
        {VITAMIN_NEXT_STEP, "next step", 50,
         "This vitamin will point out|the correct smiley to select|in order to complete|the puzzle."},
        {VITAMIN_SHOW_PATH, "show path", 200,
         "This vitamin will briefly highlight|the complete solution path|of the current puzzle."},
        {VITAMIN_TRY_AGAIN, "try again", 150,
         "This vitamin will allow you|to retry the current puzzle|without losing a life."},
        {VITAMIN_MORE_TIME, "more time", 120, "This vitamin will increase|the thermometer level|by 25%."},
        {VITAMIN_TIME_BOOST, "time boost", 200, "This vitamin will increase|the thermometer level|by 50%."},
        {VITAMIN_INSTANT_WIN, "instant win", 350,
         "This vitamin will|clear the entire house|and move on to the next one."},
        {VITAMIN_CASH_OUT, "cash out", 350, "This vitamin will|convert your coins|into 250,000 points."},
        {VITAMIN_EMPTY_SLOT, "empty slot", 100,
         "This vitamin will empty|one thermometer slot,|freeing up space|for an extra smiley."},
        {VITAMIN_EXTRA_LIFE, "extra life", 300, "This vitamin will|give you an extra life."},
    };
    for (const auto& vitamin : vitamins) {
        EXPECT_STREQ(VitaminTable::of(vitamin.kind).name, vitamin.name) << vitamin.kind;
        EXPECT_STREQ(VitaminTable::of(vitamin.kind).helpText, vitamin.help) << vitamin.name;
        EXPECT_EQ(VitaminTable::price(vitamin.kind, 0), vitamin.cost) << vitamin.name;
    }
    const struct {
        int kind, difficulty, cost;
    } prices[] = {
        {VITAMIN_HINT, 1, 45}, {VITAMIN_EXTRA_LIFE, 2, 600}, {VITAMIN_NEXT_STEP, 2, 100}, {VITAMIN_MORE_TIME, 3, 300},
    };
    for (const auto& price : prices)
        EXPECT_EQ(VitaminTable::price(price.kind, price.difficulty), price.cost)
            << price.kind << " at " << price.difficulty;
}

// Each mode's tracks take turns, neighbourhood by neighbourhood.
TEST(ModeRules, EachModePlaysItsOwnTrackInEachNeighbourhood)
{
    const struct {
        GameMode mode;
        const char* tracks[3];
    } modes[] = {
        {MODE_ACTION, {"musicGame3", "musicGame1", "musicGame2"}},
        {MODE_QUEST, {"musicGame2", "musicGame3", "musicGame1"}},
        {MODE_PUZZLE, {"musicGame1", "musicGame2", "musicGame3"}},
    };
    for (const auto& row : modes)
        for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n)
            EXPECT_STREQ(ModeTable::track(row.mode, n), row.tracks[n % 3]) << row.mode << " in " << n;
}

TEST(ModeRules, ActionGainLossAndDrainFollowTheHouseAndTheDifficulty)
{
    const struct {
        int difficulty;
        int housesPlayed;
        float gain;
        // The drain is 1/120 a second until then, twice that at twice then.
        double steadyFor;
    } rows[] = {
        {0, 1, 1.0f / 15.0f, 75.0},
        {0, 3, 1.0f / (15.0f + 15.0f * 2.0f / 59.0f), 105.0},
        {2, 30, 1.0f / (21.0f + 15.0f * 29.0f / 59.0f), 510.0},
        {3, 0, 1.0f / (24.0f - 15.0f / 59.0f), 60.0},
    };
    for (const auto& row : rows) {
        const float gain = ActionPace::matchGain(row.difficulty, row.housesPlayed);
        EXPECT_FLOAT_EQ(gain, row.gain) << row.housesPlayed;
        EXPECT_FLOAT_EQ(ActionPace::mistakeLoss(gain), row.gain * 0.65f) << row.housesPlayed;
        for (const double share : {0.0, 1.0, 2.0})
            EXPECT_FLOAT_EQ(ActionPace::drainSpeed(1.0f / 120.0f, share * row.steadyFor, row.housesPlayed),
                            std::max(1.0f, static_cast<float>(share)) / 120.0f)
                << row.housesPlayed;
    }
}

}
