#include "DataFolderSandbox.h"
#include "DataFolder.h"
#include "PackedFile.h"
#include "PermissionsObeyed.h"
#include "SmallDisk.h"
#include "SocketAtPath.h"
#include "WholeFile.h"
#include "FramePacer.h"
#include "Global.h"
#include "Kiv.h"
#include "KivHost.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Mixer.h"
#include "WadWriter.h"

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

// Global leaves the game's own start-up to a subclass; these tests have none.
struct TestGlobal : Global {
    void initGame() override {}
};

// A real engine under the test display, with the data folder of the sandbox.
class GlobalWithEngine : public DataFolderSandbox {
protected:
    void SetUp() override
    {
        DataFolderSandbox::SetUp();
        engine = std::make_unique<Kiv>(KivHost::desktop());
        global = std::make_unique<TestGlobal>();
    }

    void TearDown() override
    {
        global.reset();
        engine.reset();
        DataFolderSandbox::TearDown();
    }

    std::unique_ptr<Kiv> engine;
    std::unique_ptr<Global> global;
};

// Ways a player file can be there yet useless (the packed-file and
// player-file tests have every way a container can be damaged or a folder
// stand in its way): a damaged one, or something that is no file at its
// name, is kept as ".damaged" and the run's own file saved in its place; one
// that cannot be opened is left as it is and never saved over; that part of
// the game starts from its defaults, and the other player file is neither
// touched nor kept aside.
TEST_F(GlobalWithEngine, DamagedOrUnreadablePlayerFilesAreKeptAndTheGameStartsWithDefaults)
{
    global->hst.musicVolume = 4;
    global->profileManager.addProfile("Ann");
    global->profileManager.addProfile("Bo");
    global.reset();
    engine.reset();
    const std::string folder = getDataFolder();
    const std::string paths[] = {folder + "/Glimmerdaledemo.hst", folder + "/Glimmerdaledemo.pro"};
    const std::string good[] = {readWholeFile(paths[0]), readWholeFile(paths[1])};

    struct Damage {
        const char* what;
        bool bBlockOnly, bKeptAside;
        std::function<void(const std::string& path)> apply;
    };
    const Damage damages[] = {
        {"another program's block", true, true,
         [](const std::string& path) {
             HSTdata block;
             std::memcpy(block.applicationName, "Otherapp", 9);
             const std::vector<unsigned char> packed =
                 PackedFile::pack("Glimmerdaledemo.hst", "1.30", &block, HSTdata::FILE_SIZE);
             writeWholeFile(path, std::string(packed.begin(), packed.end()));
         }},
        {"a socket", false, true,
         [](const std::string& path) {
             std::filesystem::remove(path);
             ASSERT_EQ(leaveSocketAt(path), "") << path;
         }},
        {"a FIFO", false, true,
         [](const std::string& path) {
             std::filesystem::remove(path);
             mkfifo(path.c_str(), 0600);
         }},
        {"a folder", false, true,
         [](const std::string& path) {
             std::filesystem::remove(path);
             std::filesystem::create_directory(path);
         }},
        {"unreadable", false, false, [](const std::string& path) { chmod(path.c_str(), 0); }},
    };
    const std::string logPath = folder + "/Glimmerdaledemo.log";
    for (int damaged = 0; damaged < 2; ++damaged) {
        const int other = 1 - damaged;
        for (const Damage& damage : damages) {
            if (damage.bBlockOnly && damaged != 0)
                continue;
            SCOPED_TRACE(paths[damaged] + ": " + damage.what);
            for (int i = 0; i < 2; ++i)
                writeWholeFile(paths[i], good[i]);
            const std::string kept = paths[damaged] + ".damaged";
            writeWholeFile(kept, "an older damaged copy");
            ASSERT_NO_FATAL_FAILURE(damage.apply(paths[damaged]));
            // Never read what is no file: a FIFO would wait for a writer.
            const std::filesystem::file_type type = std::filesystem::symlink_status(paths[damaged]).type();
            const bool bFile = type == std::filesystem::file_type::regular;
            const std::string damagedBytes = bFile ? readWholeFile(paths[damaged]) : "";
            // A run of its own: what one run refuses to save over, it refuses
            // until it ends.
            {
                PermissionsObeyed obeyed;
                engine = std::make_unique<Kiv>(KivHost::desktop());
                global = std::make_unique<TestGlobal>();
            }

            const std::string log = readWholeFile(logPath);
            if (damage.bKeptAside) {
                EXPECT_FALSE(std::filesystem::exists(paths[damaged])) << "moved away before anything writes there";
                chmod(kept.c_str(), 0600);
                EXPECT_EQ(std::filesystem::symlink_status(kept).type(), type);
                if (bFile) {
                    EXPECT_EQ(readWholeFile(kept), damagedBytes) << "kept as it was, replacing the older copy";
                }
                EXPECT_NE(log.find("Kept '" + paths[damaged] + "' as '" + kept + "': "), std::string::npos);
            } else {
                EXPECT_EQ(readWholeFile(kept), "an older damaged copy");
                EXPECT_NE(log.find("Could not read '" + paths[damaged] + "': it cannot be opened (Permission denied)"),
                          std::string::npos)
                    << log;
            }
            EXPECT_EQ(global->hst.musicVolume, damaged == 0 ? 15 : 4);
            EXPECT_EQ(global->profileManager.getCount(), damaged == 1 ? 0 : 2);
            EXPECT_EQ(readWholeFile(paths[other]), good[other]) << "the other file is untouched";
            EXPECT_FALSE(std::filesystem::exists(paths[other] + ".damaged"));

            global.reset();
            engine.reset();
            chmod(paths[damaged].c_str(), 0600);
            if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(paths[damaged]))) {
                ADD_FAILURE() << "no file saved in its place";
                std::filesystem::remove_all(paths[damaged]);
            } else if (damage.bKeptAside) {
                EXPECT_FALSE(readWholeFile(paths[damaged]).empty()) << "the run's own file is saved in its place";
            } else {
                EXPECT_EQ(readWholeFile(paths[damaged]), good[damaged]) << "never saved over";
            }
            std::filesystem::remove_all(kept);
        }
    }
    engine = std::make_unique<Kiv>(KivHost::desktop());
    global = std::make_unique<TestGlobal>();
}

using GlobalWithEngineDeathTest = GlobalWithEngine;

// The game cannot start without its data archive: the report names the
// archive, on standard error too, instead of the first picture it lacks;
// so does the report of an entry the archive does not hold.
TEST_F(GlobalWithEngineDeathTest, AMissingOrUnreadableArchiveIsFatalNamingIt)
{
    struct Case { std::function<void(const std::string& archive)> make; const char* report; };
    const Case cases[] = {
        {[](const std::string&) {}, "Archive '\\./Glimmerdaledemo\\.dat' not found\\."},
        // Refused at once, never waited on for a writer.
        {[](const std::string& archive) { mkfifo(archive.c_str(), 0644); },
         "Archive '\\./Glimmerdaledemo\\.dat' is damaged: not a regular file\\."},
        // One bit flipped in an entry's name.
        {[](const std::string& archive) {
             WadWriter writer;
             UString error;
             writer.addEntry("gfx/gui/game/progressbas.tga", "x", 1, error);
             writer.write(archive, error);
         },
         "File 'gfx/gui/game/progressbar\\.tga' in the archive '\\./Glimmerdaledemo\\.dat' does not exist\\."},
    };
    for (const Case& c : cases) {
        TemporaryFolder workFolder("kiv-no-archive");
        c.make(workFolder.path() + "/Glimmerdaledemo.dat");
        EXPECT_EXIT(
            {
                PermissionsObeyed obeyed;
                std::filesystem::current_path(workFolder.path());
                global->initPreLoader();
            },
            ::testing::ExitedWithCode(255), std::string("\\*\\*\\* ERROR \\*\\*\\* Error: ") + c.report);
    }
}

// A player added on a full disk: the roster file keeps the players it had,
// and the reason reaches the log and standard error.
TEST_F(GlobalWithEngineDeathTest, ASaveOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    if (!smallDiskPossible())
        GTEST_SKIP() << "this system lets no test mount a small disk";
    const std::string folder = getDataFolder();
    const std::string report =
        "Could not save '" + folder + "/Glimmerdaledemo.pro': writing failed (No space left on device).";
    EXPECT_EXIT(
        {
            // The log stays open on the disk beneath.
            if (!mountSmallDisk(folder, 64 * 1024))
                std::_Exit(2);
            global->profileManager.addProfile("Ann");
            if (!fillDisk(folder))
                std::_Exit(3);
            global->profileManager.addProfile("Bo");
            const ProfileManager restarted;
            std::_Exit(restarted.getCount() == 1 && std::string(restarted.getName(0)) == "Ann" ? 0 : 4);
        },
        ::testing::ExitedWithCode(0),
        "Glimmerdaledemo: Could not save '.*/Glimmerdaledemo\\.pro': writing failed \\(No space left on device\\)\\.");
    EXPECT_NE(readWholeFile(folder + "/Glimmerdaledemo.log").find(report), std::string::npos);
}

// Volume 24 is full; sound and music, filter and vertical sync differ in
// each row so that a swap shows. Out-of-range values are brought in.
TEST_F(GlobalWithEngine, SettingsAreAppliedWithinTheirRanges)
{
    struct Case {
        int fps; double period; int quality, frequency, sound, music; float soundLevel, musicLevel;
        int sensitivity; double mouseSpeed; int resolution, width, detail; bool bBrokenAlphaOp, bFilter, bShadows;
    };
    const Case cases[] = {
        {25, 1.0 / 25, 0, 11025, 0, 12, 0.0f, 0.5f, 0, 0.5, 2, 800, 1, false, true, true},
        {125, 1.0 / 125, 2, 44100, 24, 6, 1.0f, 0.25f, 3, 1.25, 1, 640, 0, false, false, false},
        {0, 1.0 / 25, 3, 44100, 25, -6, 1.0f, 0.0f, 9, 1.5, 0, 320, 1, true, true, false},
        {100000, 1.0 / 125, -1, 11025, -1, 99, 0.0f, 1.0f, -2, 0.5, -5, 320, 1, false, false, true},
    };
    KivGraphics* graphics = engine->pGraphics;
    global->hst.bFullScreen = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fps);
        HSTdata& hst = global->hst;
        hst.maxFps = c.fps;
        hst.audioQuality = c.quality;
        hst.soundVolume = c.sound;
        hst.musicVolume = c.music;
        hst.mouseSensitivity = c.sensitivity;
        hst.resolution = c.resolution;
        hst.detail = c.detail;
        hst.bBilinearFilter = c.bFilter;
        hst.bVerticalSync = !c.bFilter;
        graphics->bBrokenAlphaOp = c.bBrokenAlphaOp;
        global->applySettings();
        EXPECT_DOUBLE_EQ(engine->pFramePacer->getPeriod(), c.period);
        EXPECT_EQ(engine->pAudio->frequency, c.frequency);
        ASSERT_NE(engine->pAudio->pMixer, nullptr);
        EXPECT_FLOAT_EQ(engine->pAudio->pMixer->soundVolume.load(), c.soundLevel);
        EXPECT_FLOAT_EQ(engine->pAudio->pMixer->musicVolume.load(), c.musicLevel);
        EXPECT_DOUBLE_EQ(engine->pInput->mouseSpeed, c.mouseSpeed);
        EXPECT_EQ(graphics->screenWidth, c.width);
        EXPECT_EQ(graphics->screenHeight, c.width * 3 / 4);
        EXPECT_FALSE(graphics->bFullScreen);
        EXPECT_EQ(graphics->bBilinearFilter, c.bFilter);
        EXPECT_EQ(graphics->bUseVSync, !c.bFilter);
        EXPECT_EQ(graphics->bTextShadows, c.bShadows) << "text shadows need detail and a working alpha operation";
    }
}

}
