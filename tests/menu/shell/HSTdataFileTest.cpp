#include "DataFolderSandbox.h"
#include "FileManager.h"
#include "HSTdata.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <string>

namespace {

class HSTdataFile : public DataFolderSandbox {
protected:
    UString path() const { return getDataFolder(true) + "/" + APPLICATION_NAME + ".hst"; }

    // The block as the next run would see it: fresh defaults, then the file.
    std::unique_ptr<HSTdata> reload(bool* pAccepted = nullptr)
    {
        auto block = std::make_unique<HSTdata>();
        const bool bAccepted = block->load(files);
        if (pAccepted)
            *pAccepted = bAccepted;
        return block;
    }

    FileManager files;
};

// Every byte comes back but the run start, which is never before now.
TEST_F(HSTdataFile, SettingsAndScoresSurviveARestart)
{
    HSTdata saved;
    saved.insertHighScore(1, "Ann", 123456, 9, 2, true);
    saved.soundVolume = 3;
    saved.bFullScreen = false;
    saved.keys[4][1] = 99;
    saved.installationId = 0xC0FFEE;
    saved.playTime = 500;
    saved.publicAddress = NetAddress(81, 2, 3, 4, 4000);
    std::memcpy(saved.countryCode, "NO", 2);
    // Loading ends every text in a NUL; a fresh block's random fill need not.
    saved.applicationName[31] = saved.version[15] = saved.freeText[31] = saved.freeText2[31] = 0;
    for (auto& table : saved.highScores)
        for (HighScoreEntry& entry : table)
            entry.name[15] = 0;
    saved.save(files);
    bool bAccepted = false;
    const auto block = reload(&bAccepted);
    EXPECT_TRUE(bAccepted);
    block->runStart = saved.runStart;
    EXPECT_EQ(std::memcmp(block.get(), &saved, HSTdata::FILE_SIZE), 0);
}

// Two installations with the same rand() sequence still differ.
TEST_F(HSTdataFile, AZeroIdentifierIsReplacedAndDiffersBetweenInstallations)
{
    uint32_t ids[2];
    for (uint32_t& id : ids) {
        std::srand(1);
        HSTdata block;
        block.installationId = 0;
        block.save(files);
        id = reload()->installationId;
        EXPECT_NE(id, 0u);
    }
    EXPECT_NE(ids[0], ids[1]);
}

TEST_F(HSTdataFile, RunStartIsTheLaterOfTheStoredOneAndNow)
{
    const int64_t now = static_cast<int64_t>(std::time(nullptr));
    for (const int64_t stored : {now + 86400, int64_t{1000}}) {
        HSTdata block;
        block.runStart.set(stored);
        block.save(files);
        EXPECT_NEAR(static_cast<double>(reload()->runStart.get()), static_cast<double>(std::max(stored, now)), 2.0);
    }
}

// Every field is damaged at once; the repairs are independent of each other.
TEST_F(HSTdataFile, OutOfRangeSettingsAreBroughtIntoRange)
{
    struct Setting { int32_t HSTdata::*field; int32_t stored, loaded; };
    const Setting settings[] = {
        {&HSTdata::maxFps, 0, 25},          {&HSTdata::detail, 9, 1},         {&HSTdata::resolution, -1, 0},
        {&HSTdata::soundVolume, 25, 24},    {&HSTdata::playTime, -20, 0},     {&HSTdata::startingLevel, 4, 3},
        {&HSTdata::audioQuality, 3, 2},     {&HSTdata::musicVolume, -1, 0},   {&HSTdata::mouseSensitivity, 5, 4},
    };
    {
        HSTdata block;
        for (const Setting& setting : settings)
            block.*setting.field = setting.stored;
        const unsigned char notABool = 0x37;
        std::memcpy(&block.bFullScreen, &notABool, 1);
        std::memcpy(&block.bPlayerPromptPending, &notABool, 1);
        block.keys[0][0] = 312;
        block.keys[5][1] = -1;
        block.keys[2][1] = 311;
        std::memcpy(block.countryCode, "x!", 2);
        block.countryVector[1] = std::nanf("");
        block.publicAddress.address.sin_family = 0x4142;
        std::memset(block.highScores[2][3].name, 'z', sizeof(block.highScores[2][3].name));
        std::memset(block.freeText, 'q', sizeof(block.freeText));
        block.save(files);
    }
    bool bAccepted = false;
    const auto block = reload(&bAccepted);
    EXPECT_TRUE(bAccepted) << "a repairable block is kept";
    for (const Setting& setting : settings)
        EXPECT_EQ(block.get()->*setting.field, setting.loaded) << "stored as " << setting.stored;
    EXPECT_EQ(*reinterpret_cast<const unsigned char*>(&block->bFullScreen), 1);
    EXPECT_EQ(*reinterpret_cast<const unsigned char*>(&block->bPlayerPromptPending), 1);
    EXPECT_EQ(block->keys[0][0], 203) << "a code past the last input gets its default";
    EXPECT_EQ(block->keys[5][1], 29) << "and so does a negative one";
    EXPECT_EQ(block->keys[2][1], 311) << "the last input is kept";
    EXPECT_EQ(std::memcmp(block->countryCode, "--", 2), 0);
    EXPECT_EQ(block->countryVector[2], -1.0f);
    EXPECT_EQ(block->publicAddress, NetAddress());
    EXPECT_EQ(std::string(block->highScores[2][3].name), std::string(15, 'z'));
    EXPECT_EQ(block->freeText[31], 0);
}


// Both ends of each setting's range survive a restart, and one step past an
// end comes back as that end: a player who turned the sound off finds it off.
TEST_F(HSTdataFile, EachSettingKeepsBothEndsOfItsRange)
{
    struct Range { const char* name; int32_t HSTdata::*field; int32_t low, high; };
    const Range ranges[] = {
        {"maximum fps", &HSTdata::maxFps, 25, 125},       {"detail", &HSTdata::detail, 0, 1},
        {"resolution", &HSTdata::resolution, 0, 3},        {"audio quality", &HSTdata::audioQuality, 0, 2},
        {"sound volume", &HSTdata::soundVolume, 0, 24},    {"music volume", &HSTdata::musicVolume, 0, 24},
        {"mouse sensitivity", &HSTdata::mouseSensitivity, 0, 4},
    };
    for (const bool bHigh : {false, true})
        for (const int32_t past : {0, 1}) {
            {
                HSTdata block;
                for (const Range& range : ranges)
                    block.*range.field = bHigh ? range.high + past : range.low - past;
                block.save(files);
            }
            const auto block = reload();
            for (const Range& range : ranges)
                EXPECT_EQ(block.get()->*range.field, bHigh ? range.high : range.low)
                    << range.name << " stored " << past << " past its " << (bHigh ? "highest" : "lowest") << " value";
        }
}
}
