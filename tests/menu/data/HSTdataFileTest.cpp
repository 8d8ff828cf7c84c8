#include "DataFolderSandbox.h"
#include "FileManager.h"
#include "HSTdata.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"


#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

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

TEST_F(HSTdataFile, AZeroIdentifierIsReplacedOnceAndDiffersBetweenInstallations)
{
    std::vector<uint32_t> ids;
    for (int installation = 0; installation < 2; ++installation) {
        std::srand(1);
        HSTdata block;
        block.installationId = 0;
        block.save(files);
        const auto loaded = reload();
        EXPECT_NE(loaded->installationId, 0u);
        ids.push_back(loaded->installationId);
        loaded->save(files);
        EXPECT_EQ(reload()->installationId, ids.back()) << "drawn once, then kept";
        std::remove(path().c_str());
    }
    EXPECT_NE(ids[0], ids[1]) << "the same rand() sequence still gives another identifier";
}

TEST_F(HSTdataFile, RunStartIsTheLaterOfTheStoredOneAndNow)
{
    const int64_t future = static_cast<int64_t>(std::time(nullptr)) + 86400;
    {
        HSTdata block;
        block.runStart.set(future);
        block.save(files);
    }
    EXPECT_EQ(reload()->runStart.get(), future);
    {
        HSTdata block;
        block.runStart.set(1000);
        block.save(files);
    }
    EXPECT_NEAR(static_cast<double>(reload()->runStart.get()), static_cast<double>(std::time(nullptr)), 2.0);
}

TEST_F(HSTdataFile, OutOfRangeSettingsAreBroughtIntoRange)
{
    struct Setting {
        int32_t HSTdata::*field;
        int32_t stored;
        int32_t loaded;
    };
    const Setting settings[] = {
        {&HSTdata::maxFps, 0, 25},           {&HSTdata::maxFps, 100000, 125},     {&HSTdata::detail, 9, 1},
        {&HSTdata::detail, -4, 0},           {&HSTdata::resolution, 4, 3},        {&HSTdata::resolution, -1, 0},
        {&HSTdata::audioQuality, 3, 2},      {&HSTdata::soundVolume, 25, 24},     {&HSTdata::musicVolume, -1, 0},
        {&HSTdata::mouseSensitivity, 5, 4},  {&HSTdata::startingLevel, 4, 3},     {&HSTdata::playTime, -20, 0},
    };
    struct Case {
        std::string what;
        std::function<void(HSTdata&)> damage;
        std::function<void(const HSTdata&)> check;
    };
    auto setByte = [](void* field, unsigned char value) { std::memcpy(field, &value, 1); };
    std::vector<Case> cases;
    for (const Setting& setting : settings)
        cases.push_back({"setting stored as " + std::to_string(setting.stored),
                         [setting](HSTdata& b) { b.*setting.field = setting.stored; },
                         [setting](const HSTdata& b) { EXPECT_EQ(b.*setting.field, setting.loaded); }});
    cases.insert(cases.end(), {
        {"flag bytes",
         [&](HSTdata& b) {
             setByte(&b.bFullScreen, 0x37);
             setByte(&b.bShowFps, 0x80);
             setByte(&b.bPlayerPromptPending, 0);
         },
         [](const HSTdata& b) {
             auto byteOf = [](const bool& flag) { return *reinterpret_cast<const unsigned char*>(&flag); };
             EXPECT_EQ(byteOf(b.bFullScreen), 1);
             EXPECT_EQ(byteOf(b.bShowFps), 1);
             EXPECT_EQ(byteOf(b.bPlayerPromptPending), 0);
         }},
        {"key codes",
         [](HSTdata& b) {
             b.keys[0][0] = 312;
             b.keys[5][1] = -1;
             b.keys[2][1] = 311;
         },
         [](const HSTdata& b) {
             EXPECT_EQ(b.keys[0][0], 203);
             EXPECT_EQ(b.keys[5][1], 29);
             EXPECT_EQ(b.keys[2][1], 311);
         }},
        {"country code", [](HSTdata& b) { std::memcpy(b.countryCode, "x!", 2); },
         [](const HSTdata& b) { EXPECT_EQ(std::memcmp(b.countryCode, "--", 2), 0); }},
        {"country vector", [](HSTdata& b) { b.countryVector[1] = std::nanf(""); },
         [](const HSTdata& b) {
             EXPECT_EQ(b.countryVector[0], 0.0f);
             EXPECT_EQ(b.countryVector[1], 0.0f);
             EXPECT_EQ(b.countryVector[2], -1.0f);
         }},
        {"address family", [](HSTdata& b) { b.publicAddress.address.sin_family = 0x4142; },
         [](const HSTdata& b) { EXPECT_EQ(b.publicAddress, NetAddress()); }},
        {"address kept", [](HSTdata& b) { b.publicAddress = NetAddress(81, 2, 3, 4, 0); },
         [](const HSTdata& b) { EXPECT_EQ(b.publicAddress, NetAddress(81, 2, 3, 4, 0)); }},
        {"unterminated texts",
         [](HSTdata& b) {
             for (auto& table : b.highScores)
                 for (HighScoreEntry& entry : table)
                     std::memset(entry.name, 'z', sizeof(entry.name));
             std::memset(b.freeText, 'q', sizeof(b.freeText));
             std::memset(b.freeText2, 'q', sizeof(b.freeText2));
         },
         [](const HSTdata& b) {
             for (const auto& table : b.highScores)
                 for (const HighScoreEntry& entry : table)
                     EXPECT_EQ(std::string(entry.name), std::string(15, 'z'));
             EXPECT_EQ(b.freeText[31], 0);
             EXPECT_EQ(b.freeText2[31], 0);
         }},
    });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            HSTdata block;
            block.keys[1][0] = 77;
            c.damage(block);
            block.save(files);
        }
        bool bAccepted = false;
        const auto block = reload(&bAccepted);
        EXPECT_TRUE(bAccepted) << "a repairable block is kept";
        c.check(*block);
        EXPECT_EQ(block->keys[1][0], 77) << "the other settings are kept";
    }
}

}
