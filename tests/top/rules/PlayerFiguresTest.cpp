// The figures a player reads off the game, row by row as the rules state
// them: what a chain and a pair of clowns pay, the bonus popups of a house's
// end and how they line up and sound, the statistics page's lines, the
// mistake penalty and the thermometer slots at every difficulty, how long a
// challenge round lasts on a house that is not square, how the houses grow
// and harden through a neighbourhood, and how soon multiplier bubbles come.
#include "rules/ActionPace.h"
#include "rules/HouseProgression.h"
#include "rules/HouseStatistics.h"
#include "rules/ModeTable.h"
#include "rules/Scoring.h"

#include <gtest/gtest.h>

namespace {

TEST(PlayerFigures, AChainPaysAHundredALinkPerDifficultyStepAndRisesASemitoneEveryTwoLinks)
{
    const struct {
        int links, difficulty, points, semitones;
        // Share of the way from the first colour to the last.
        float blend;
    } chains[] = {
        {1, 0, 100, 0, 0.0f},  {1, 3, 400, 0, 0.0f},  {2, 1, 400, 0, 0.0f},    {3, 0, 300, 0, 0.125f},
        {6, 0, 600, 2, 0.5f},  {6, 2, 1800, 2, 0.5f}, {7, 0, 700, 2, 0.625f}, {10, 0, 1000, 4, 1.0f},
        {14, 1, 2800, 6, 1.0f},
    };
    for (const auto& row : chains) {
        EXPECT_EQ(Scoring::chainPoints(row.links, row.difficulty), row.points) << row.links << " at " << row.difficulty;
        EXPECT_EQ(Scoring::chainPitch(row.links), row.semitones) << row.links;
        EXPECT_FLOAT_EQ(Scoring::chainColourBlend(row.links), row.blend) << row.links;
    }
    for (const auto& [a, b, due] : {std::make_tuple(true, true, true), std::make_tuple(true, false, false),
                                    std::make_tuple(false, true, false), std::make_tuple(false, false, false)})
        EXPECT_EQ(Scoring::circusDue(a, b), due) << a << b;
}

TEST(PlayerFigures, HouseBonusesLineUpCentredOneAfterAnotherEachPitchedHigher)
{
    // Every bonus of neighbourhood 2: the match bonus passes 30000, shown
    // (and paid) times one more per difficulty step.
    const auto all = Scoring::houseBonuses({true, true, true, true}, 2);
    const struct {
        const char* name;
        int points, atDifficulty2, x;
        float delay, pitch;
    } popups[] = {
        {"clear bonus", 3000, 9000, -187, 1.0f, 1.0f},
        {"eagle eye", 5000, 15000, -62, 1.5f, 1.1893f},
        {"match bonus", 30000, 90000, 63, 2.0f, 1.4145f},
        {"extra bonus", 15000, 45000, 188, 2.5f, 1.6823f},
    };
    ASSERT_EQ(all.size(), std::size(popups));
    float pitch = 1.0f;
    for (int k = 0; k < 4; ++k) {
        EXPECT_STREQ(all[k].name, popups[k].name);
        EXPECT_EQ(Scoring::popupPoints(all[k].points, 0), popups[k].points) << popups[k].name;
        EXPECT_EQ(Scoring::popupPoints(all[k].points, 2), popups[k].atDifficulty2) << popups[k].name;
        EXPECT_EQ(Scoring::bonusRowX(4, k), popups[k].x) << k;
        EXPECT_FLOAT_EQ(Scoring::bonusDelay(k), popups[k].delay) << k;
        EXPECT_NEAR(pitch, popups[k].pitch, 1e-4) << k;
        pitch *= Scoring::BONUS_PITCH_STEP;
    }
    EXPECT_EQ(Scoring::bonusRowX(1, 0), 0);
    const auto one = Scoring::houseBonuses({false, false, true, false}, 0);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].points, 10000);
}

TEST(PlayerFigures, StatisticsCountThePointsWholeSecondsAndEfficiencyOnlyAfterAMatch)
{
    const struct {
        int32_t score, scoreAtStart;
        float start, end;
        int matches, mistakes;
        int points, seconds;
        bool hasEfficiency;
        int efficiency;
    } houses[] = {
        {4200, 1000, 30.0f, 42.9f, 6, 2, 3200, 12, true, 75},
        {900, 1000, 0.0f, 12.9f, 1, 2, -100, 12, true, 33},
        {0, 0, 5.0f, 5.5f, 0, 3, 0, 0, false, 0},
        {7000, 0, 0.0f, 61.0f, 9, 0, 7000, 61, true, 100},
        {2500, 2000, 100.0f, 159.5f, 2, 1, 500, 59, true, 66},
    };
    for (const auto& row : houses) {
        const HouseStatistics stats =
            HouseStatistics::of(row.score, row.scoreAtStart, row.start, row.end, row.matches, row.mistakes);
        EXPECT_EQ(stats.points, row.points) << row.matches << "/" << row.mistakes;
        EXPECT_EQ(stats.seconds, row.seconds) << row.end - row.start;
        EXPECT_EQ(stats.matches, row.matches);
        EXPECT_EQ(stats.mistakes, row.mistakes);
        EXPECT_EQ(stats.hasEfficiency, row.hasEfficiency) << row.matches;
        if (row.hasEfficiency) {
            EXPECT_EQ(stats.efficiency, row.efficiency) << row.matches << "/" << row.mistakes;
        }
    }
}

TEST(PlayerFigures, EachDifficultyStepCostsAThousandMorePerMistakeAndTakesTwoQuestSlots)
{
    const struct {
        int difficulty, penalty, questSlots;
    } steps[] = {{0, -1000, 10}, {1, -2000, 8}, {2, -3000, 6}, {3, -4000, 4}};
    for (const auto& row : steps) {
        EXPECT_EQ(Scoring::mistakePenalty(row.difficulty), row.penalty) << row.difficulty;
        EXPECT_EQ(ModeTable::thermometerSlots(MODE_QUEST, row.difficulty), row.questSlots) << row.difficulty;
        EXPECT_EQ(ModeTable::thermometerSlots(MODE_ACTION, row.difficulty), 0) << row.difficulty;
        EXPECT_EQ(ModeTable::thermometerSlots(MODE_PUZZLE, row.difficulty), 0) << row.difficulty;
    }
    EXPECT_EQ(Scoring::smileyValue(0, 0), 125);
    EXPECT_EQ(Scoring::smileyValue(2, 3), 750);
}

// A challenge round's thermometer empties in a second per apartment, and
// its alarm clock rings for the last two.
TEST(PlayerFigures, AChallengeRoundLastsASecondPerApartmentOfItsHouse)
{
    const struct {
        int neighbourhood;
        GameMode mode;
        int width, height;
    } rounds[] = {
        {0, MODE_QUEST, 4, 4},  {2, MODE_QUEST, 4, 5},  {5, MODE_ACTION, 5, 5},
        {7, MODE_QUEST, 5, 6},  {4, MODE_PUZZLE, 5, 5}, {7, MODE_PUZZLE, 6, 7},
    };
    for (const auto& row : rounds) {
        const int last = HouseProgression::neighbourhoodHouses[row.neighbourhood] - 1;
        const HouseProgression::Size size = HouseProgression::houseSize(last, row.neighbourhood, row.mode, true);
        EXPECT_EQ(size.width, row.width) << row.neighbourhood << " in mode " << row.mode;
        EXPECT_EQ(size.height, row.height) << row.neighbourhood << " in mode " << row.mode;
        const int cells = row.width * row.height;
        EXPECT_FLOAT_EQ(1.0f / HouseProgression::challengeDrainSpeed(cells), static_cast<float>(cells));
        EXPECT_FLOAT_EQ(HouseProgression::challengeAlarmSeconds(cells), static_cast<float>(cells - 2));
    }
}

// A neighbourhood's houses grow from 4 x 4 with their place in it (in puzzle
// mode one size further for every second neighbourhood), and its ordinary
// houses' smileys get harder from 0.15 per difficulty step on the first to
// 0.5 on the last before the challenge round, plus 0.05 per step in quest
// mode and 0.1 in action mode.
TEST(PlayerFigures, HousesGrowAndTheirSmileysGetHarderThroughANeighbourhood)
{
    const struct {
        GameMode mode;
        int neighbourhood, house, width, height;
    } sizes[] = {
        {MODE_QUEST, 0, 0, 4, 4},  {MODE_QUEST, 2, 3, 4, 5},  {MODE_ACTION, 5, 5, 5, 5},
        {MODE_QUEST, 6, 6, 5, 5},  {MODE_ACTION, 7, 7, 5, 6}, {MODE_PUZZLE, 1, 2, 4, 4},
        {MODE_PUZZLE, 5, 1, 4, 5}, {MODE_PUZZLE, 4, 4, 5, 5}, {MODE_PUZZLE, 6, 6, 6, 6},
        {MODE_PUZZLE, 7, 7, 6, 7},
    };
    for (const auto& row : sizes) {
        const HouseProgression::Size size = HouseProgression::houseSize(row.house, row.neighbourhood, row.mode, false);
        EXPECT_EQ(std::make_pair(size.width, size.height), std::make_pair(row.width, row.height))
            << "house " << row.house << " of " << row.neighbourhood << " in mode " << row.mode;
    }
    const struct {
        GameMode mode;
        int difficulty, house, houses;
        float hardness;
    } hardness[] = {
        {MODE_QUEST, 0, 0, 4, 0.0f},   {MODE_QUEST, 0, 1, 4, 0.25f},  {MODE_QUEST, 0, 2, 4, 0.5f},
        {MODE_ACTION, 0, 3, 9, 1.5f / 7.0f}, {MODE_ACTION, 0, 7, 9, 0.5f},  {MODE_QUEST, 2, 0, 7, 0.3f},
        {MODE_QUEST, 2, 5, 7, 0.6f},   {MODE_ACTION, 2, 2, 7, 0.46f}, {MODE_ACTION, 2, 5, 7, 0.7f},
        {MODE_QUEST, 3, 4, 6, 0.65f},  {MODE_ACTION, 3, 2, 6, 0.625f},
    };
    for (const auto& row : hardness)
        EXPECT_NEAR(HouseProgression::risingHardness(row.difficulty, row.house, row.houses,
                                                     ModeTable::of(row.mode).hardnessPerLevel),
                    row.hardness, 1e-6)
            << "house " << row.house << " of " << row.houses << " at " << row.difficulty << " in mode " << row.mode;
}

// The longest wait for a multiplier bubble shrinks from 24 s on the first
// house played to 16 s on the sixtieth, in every mode.
TEST(PlayerFigures, MultiplierBubblesComeSoonerHouseByHouse)
{
    for (const auto& [housesPlayed, longest] : {std::make_pair(0, 24.0f + 8.0f / 59.0f), std::make_pair(1, 24.0f),
                                                std::make_pair(30, 24.0f - 8.0f * 29.0f / 59.0f),
                                                std::make_pair(60, 16.0f)}) {
        EXPECT_FLOAT_EQ(HouseProgression::bubbleMax(housesPlayed), longest) << housesPlayed;
        EXPECT_FLOAT_EQ(ActionPace::bubbleMax(housesPlayed), longest) << housesPlayed;
    }
}

}
