#include "DataFolderSandbox.h"
#include "FileManager.h"
#include "ProfileManager.h"

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

class ProfileManagerFile : public DataFolderSandbox {
protected:
    std::unique_ptr<ProfileManager> reload(bool* pAccepted = nullptr)
    {
        auto roster = std::make_unique<ProfileManager>();
        const bool bAccepted = roster->load(files);
        if (pAccepted)
            *pAccepted = bAccepted;
        return roster;
    }

    FileManager files;
};

TEST_F(ProfileManagerFile, DamagedRecordsAreRepairedOnLoad)
{
    struct Case { const char* what; std::function<void(ProfileManager&)> damage; std::vector<std::string> names;
        int current; };
    const std::vector<Case> cases = {
        {"current far out of range", [](ProfileManager& r) { r.current = 57; }, {"Ann", "Bo", "Cy"}, 0},
        {"unterminated name",
         [](ProfileManager& r) { std::memset(r.profiles[1].name, 'x', Profile::NAME_SIZE); },
         {"Ann", std::string(15, 'x'), "Cy"},
         2},
        {"gap before the current player",
         [](ProfileManager& r) {
             r.profiles[4] = r.profiles[2];
             r.profiles[2] = Profile{};
             r.profiles[1] = Profile{};
             r.current = 4;
         },
         {"Ann", "Cy"},
         1},
        {"current on a free slot", [](ProfileManager& r) { r.current = 6; }, {"Ann", "Bo", "Cy"}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            ProfileManager roster;
            for (const char* name : {"Ann", "Bo", "Cy"})
                roster.addProfile(name);
            c.damage(roster);
            roster.save(files);
        }
        bool bAccepted = false;
        const auto roster = reload(&bAccepted);
        EXPECT_TRUE(bAccepted);
        std::vector<std::string> names;
        for (int i = 0; i < roster->getCount(); ++i)
            names.push_back(roster->getName(i));
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(roster->current, c.current);
        for (int i = roster->getCount(); i < ProfileManager::PROFILE_COUNT; ++i)
            EXPECT_FALSE(roster->isUsed(i)) << "players fill a run of slots from slot 0";
    }
}

TEST_F(ProfileManagerFile, SavedGamesThatWouldIndexPastTheGameTablesAreDropped)
{
    {
        ProfileManager roster;
        roster.addProfile("Ann");
        roster.profiles[0].savedGames[0] = SavedGame{3, 12, 0, 5000, 1, 1, 0};
        roster.profiles[0].savedGames[1] = SavedGame{3, 1, 1, 5000, 1, 1, 2};
        roster.profiles[0].savedGames[2] = SavedGame{0, 99, 99, 5000, 1, 1, 99};
        roster.save(files);
    }
    const auto roster = reload();
    const Profile& ann = roster->profiles[0];
    // Houses played, neighbourhood, house, score, coins, lives, used slots.
    const auto fields = [](const SavedGame& g) {
        return std::vector<int32_t>{g.housesPlayed, g.neighbourhood, g.houseIndex, g.score, g.coins, g.lives,
                                    g.usedSlots};
    };
    EXPECT_FALSE(ann.hasSavedGame(0));
    EXPECT_EQ(fields(ann.savedGames[0]), std::vector<int32_t>(7, 0)) << "the whole record is cleared";
    EXPECT_TRUE(ann.hasSavedGame(1));
    EXPECT_EQ(fields(ann.savedGames[1]), (std::vector<int32_t>{3, 1, 1, 5000, 1, 1, 2}));
    EXPECT_EQ(fields(ann.savedGames[2]), (std::vector<int32_t>{0, 99, 99, 5000, 1, 1, 99}))
        << "a record that holds no saved game is left alone";
}

}
