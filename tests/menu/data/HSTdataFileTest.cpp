#include "DataFolderSandbox.h"
#include "FileManager.h"
#include "HSTdata.h"

#include "ApplicationInfo.h"
#include "DataFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <functional>
#include <memory>
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

TEST_F(HSTdataFile, SettingsAndScoresSurviveARestart)
{
    {
        HSTdata block;
        block.insertHighScore(1, "Ann", 123456, 9, 2, true);
        block.soundVolume = 3;
        block.bFullScreen = false;
        block.keys[4][1] = 99;
        block.installationId = 0xC0FFEE;
        block.playTime = 500;
        std::memcpy(block.countryCode, "NO", 2);
        block.save(files);
    }
    bool bAccepted = false;
    const auto block = reload(&bAccepted);
    EXPECT_TRUE(bAccepted);
    EXPECT_STREQ(block->highScores[1][0].name, "Ann");
    EXPECT_EQ(block->highScores[1][0].score, 123456);
    EXPECT_EQ(block->soundVolume, 3);
    EXPECT_FALSE(block->bFullScreen);
    EXPECT_EQ(block->keys[4][1], 99);
    EXPECT_EQ(block->installationId, 0xC0FFEEu) << "a stored identifier is kept";
    EXPECT_EQ(block->playTime, 500);
    EXPECT_EQ(std::memcmp(block->countryCode, "NO", 2), 0);
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
    struct Case {
        const char* what;
        std::function<void(HSTdata&)> damage;
        std::function<void(const HSTdata&)> check;
    };
    auto setByte = [](void* field, unsigned char value) { std::memcpy(field, &value, 1); };
    const std::vector<Case> cases = {
        {"frame rate 0", [](HSTdata& b) { b.maxFps = 0; }, [](const HSTdata& b) { EXPECT_EQ(b.maxFps, 25); }},
        {"frame rate huge", [](HSTdata& b) { b.maxFps = 100000; }, [](const HSTdata& b) { EXPECT_EQ(b.maxFps, 125); }},
        {"detail", [](HSTdata& b) { b.detail = 9; }, [](const HSTdata& b) { EXPECT_EQ(b.detail, 1); }},
        {"detail negative", [](HSTdata& b) { b.detail = -4; }, [](const HSTdata& b) { EXPECT_EQ(b.detail, 0); }},
        {"resolution", [](HSTdata& b) { b.resolution = 4; }, [](const HSTdata& b) { EXPECT_EQ(b.resolution, 3); }},
        {"resolution negative", [](HSTdata& b) { b.resolution = -1; },
         [](const HSTdata& b) { EXPECT_EQ(b.resolution, 0); }},
        {"audio quality", [](HSTdata& b) { b.audioQuality = 3; },
         [](const HSTdata& b) { EXPECT_EQ(b.audioQuality, 2); }},
        {"sound volume", [](HSTdata& b) { b.soundVolume = 25; },
         [](const HSTdata& b) { EXPECT_EQ(b.soundVolume, 24); }},
        {"music volume", [](HSTdata& b) { b.musicVolume = -1; },
         [](const HSTdata& b) { EXPECT_EQ(b.musicVolume, 0); }},
        {"mouse", [](HSTdata& b) { b.mouseSensitivity = 5; },
         [](const HSTdata& b) { EXPECT_EQ(b.mouseSensitivity, 4); }},
        {"starting level", [](HSTdata& b) { b.startingLevel = 4; },
         [](const HSTdata& b) { EXPECT_EQ(b.startingLevel, 3); }},
        {"flag bytes",
         [&](HSTdata& b) {
             setByte(&b.bFullScreen, 0x37);
             setByte(&b.bShowFps, 0x80);
             setByte(&b.bPlayerPromptPending, 0);
         },
         [](const HSTdata& b) {
             unsigned char bytes[3];
             std::memcpy(&bytes[0], &b.bFullScreen, 1);
             std::memcpy(&bytes[1], &b.bShowFps, 1);
             std::memcpy(&bytes[2], &b.bPlayerPromptPending, 1);
             EXPECT_EQ(bytes[0], 1);
             EXPECT_EQ(bytes[1], 1);
             EXPECT_EQ(bytes[2], 0);
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
        {"play time", [](HSTdata& b) { b.playTime = -20; }, [](const HSTdata& b) { EXPECT_EQ(b.playTime, 0); }},
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
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        {
            HSTdata block;
            block.soundVolume = 5;
            c.damage(block);
            block.save(files);
        }
        bool bAccepted = false;
        const auto block = reload(&bAccepted);
        EXPECT_TRUE(bAccepted) << "a repairable block is kept";
        c.check(*block);
        if (std::string(c.what) != "sound volume") {
            EXPECT_EQ(block->soundVolume, 5) << "the other settings are kept";
        }
    }
}

}
