#include "DrawnRange.h"
#include "ProfileManager.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

std::unique_ptr<ProfileManager> rosterOf(const std::vector<std::string>& names)
{
    auto roster = std::make_unique<ProfileManager>();
    for (const std::string& name : names)
        roster->addProfile(name);
    return roster;
}

std::vector<std::string> namesOf(const ProfileManager& roster)
{
    std::vector<std::string> names;
    for (int i = 0; i < ProfileManager::PROFILE_COUNT; ++i)
        names.push_back(roster.getName(i));
    return names;
}

TEST(ProfileManager, AddCutsLongNamesIgnoresEmptyOnesAndAnEleventhPlayerAndMakesTheNewOneCurrent)
{
    auto roster = rosterOf({"A name far longer than the field", ""});
    EXPECT_EQ(roster->getCount(), 1);
    EXPECT_STREQ(roster->getName(0), "A name far long");
    roster->lastHighScorePosition = 4;
    roster->addProfile("P1");
    EXPECT_EQ(roster->current, 1);
    EXPECT_EQ(roster->lastHighScorePosition, -1) << "a new current player has no high-score row yet";
    for (const SavedGame& game : roster->profiles[1].savedGames)
        EXPECT_EQ(game.housesPlayed, 0);
    for (int i = 2; i < 12; ++i)
        roster->addProfile("P" + std::to_string(i));
    EXPECT_EQ(roster->getCount(), 10);
    EXPECT_EQ(namesOf(*roster), (std::vector<std::string>{"A name far long", "P1", "P2", "P3", "P4", "P5", "P6",
                                                          "P7", "P8", "P9"}));
    EXPECT_EQ(roster->current, 9);
}

// A new player's id is 32 coin tosses: over many players on a fixed seed,
// each of its bits is set about half the time, and the ids reach near
// both ends of the 32-bit range.
TEST(ProfileManager, ANewPlayersIdTossesACoinForEachOfItsThirtyTwoBits)
{
    constexpr int PLAYERS = 400;
    std::srand(29);
    ProfileManager roster;
    int set[32] = {};
    testsupport::DrawnRange ids;
    for (int player = 0; player < PLAYERS; ++player) {
        roster.addProfile("Player");
        const uint32_t id = roster.profiles[0].id;
        ids.add(id);
        for (int bit = 0; bit < 32; ++bit)
            set[bit] += (id >> bit) & 1;
        roster.deleteProfile(0);
    }
    for (int bit = 0; bit < 32; ++bit)
        EXPECT_TRUE(testsupport::countNear(set[bit], PLAYERS / 2.0)) << "ids with bit " << bit << " set";
    EXPECT_TRUE(testsupport::spans(ids, 0.0, 4294967295.0)) << "the ids";
}

TEST(ProfileManager, SelectChangesTheCurrentPlayerOnlyWithinTheRoster)
{
    auto roster = rosterOf({"Ann", "Bo", "Cy"});
    roster->lastHighScorePosition = 3;
    roster->selectProfile(1);
    EXPECT_EQ(roster->current, 1);
    EXPECT_EQ(roster->lastHighScorePosition, -1) << "the high-score row was the other player's";
    for (int index : {-1, ProfileManager::PROFILE_COUNT}) {
        roster->selectProfile(index);
        EXPECT_EQ(roster->current, 1) << index;
        EXPECT_FALSE(roster->isUsed(index)) << index;
    }
}

TEST(ProfileManager, DeleteClosesTheGapAndKeepsACurrentPlayer)
{
    struct Case { std::vector<std::string> names; int current; int deleted; std::vector<std::string> namesAfter;
        int currentAfter; };
    const std::vector<Case> cases = {
        {{"Ann", "Bo", "Cy"}, 1, 1, {"Ann", "Cy"}, 1},
        {{"Ann", "Bo", "Cy"}, 2, 2, {"Ann", "Bo"}, 0},
        {{"Ann", "Bo", "Cy"}, 2, 0, {"Bo", "Cy"}, 1},
        {{"Ann", "Bo", "Cy"}, 0, 2, {"Ann", "Bo"}, 0},
        {{"Ann"}, 0, 0, {}, 0},
        {{"Ann", "Bo"}, 1, 10, {"Ann", "Bo"}, 1},
        {{"Ann", "Bo"}, 1, -1, {"Ann", "Bo"}, 1},
        {{"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7", "P8", "P9"}, 4, 4,
         {"P0", "P1", "P2", "P3", "P5", "P6", "P7", "P8", "P9"}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("deleting " + std::to_string(c.deleted) + " of " + std::to_string(c.names.size()));
        auto roster = rosterOf(c.names);
        const size_t last = c.names.size() - 1;
        for (SavedGame& game : roster->profiles[last].savedGames)
            game.housesPlayed = 3;
        roster->selectProfile(c.current);
        roster->deleteProfile(c.deleted);
        std::vector<std::string> expected = c.namesAfter;
        expected.resize(ProfileManager::PROFILE_COUNT);
        EXPECT_EQ(namesOf(*roster), expected);
        EXPECT_EQ(roster->current, c.currentAfter);
        if (c.namesAfter.size() == last) {
            for (const SavedGame& game : roster->profiles[last].savedGames)
                EXPECT_EQ(game.housesPlayed, 0) << "the freed slot holds nothing";
        }
        roster->addProfile("New");
        if (c.namesAfter.size() < ProfileManager::PROFILE_COUNT) {
            EXPECT_EQ(roster->current, static_cast<int>(c.namesAfter.size())) << "the new player follows the last";
        }
    }
}

TEST(SavedGame, ConsistencyBoundsEveryFieldThatIndexesATable)
{
    struct Case { SavedGame game; bool consistent; };
    const Case cases[] = {
        {{47, 7, 8, -500, 0, 0, 10}, true},
        {{0, 1, 1, 0, 0, 1, 0}, false},   {{100, 1, 1, 0, 0, 1, 0}, false},
        {{5, 8, 1, 0, 0, 1, 0}, false},   {{5, -1, 1, 0, 0, 1, 0}, false},
        {{5, 1, -1, 0, 0, 1, 0}, false},  {{5, 1, 9, 0, 0, 1, 0}, false},
        {{5, 1, 1, 0, 0, -1, 0}, false},
        {{5, 1, 1, 0, 0, 1, 11}, false},  {{5, 1, 1, 0, 0, 1, -1}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.game.isConsistent(), c.consistent)
            << c.game.housesPlayed << " " << c.game.neighbourhood << " " << c.game.houseIndex << " "
            << c.game.lives << " " << c.game.usedSlots;
}

}
