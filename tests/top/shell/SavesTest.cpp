// What the player makes reaches the disk when it is made: the game is
// killed (SIGKILL) right after each kind of change and its files, read as
// the next start reads them, hold the change. A save that fails is told to
// the player once, over whatever screen is up. And no two copies of the real
// program ever write one data folder.
#include "GameSession.h"

#include "ContextDialog.h"
#include "ContextOptionsSound.h"
#include "DataFolderLock.h"
#include "MenuBool.h"
#include "PermissionsObeyed.h"

#include <csignal>
#include <list>
#include <sys/stat.h>

namespace gametest {
namespace {

using namespace testsupport;

constexpr int ACTION = 0;
constexpr int QUEST = 1;

struct Change {
    const char* what;
    // Made through the running game, which is killed as soon as it returns.
    std::function<void(GameHarness&)> make;
    // On what the next start loads. The harness starts with one player, "Tester".
    std::function<void(const ProfileManager&, const HSTdata&)> check;
};

std::vector<std::string> names(const ProfileManager& roster)
{
    std::vector<std::string> found;
    for (int i = 0; i < roster.getCount(); ++i)
        found.push_back(roster.getName(i));
    return found;
}

const SavedGame CONTINUED{1, 0, 1, 95000, 7, 1, 0};

const Change CHANGES[] = {
    {"a player added", [](GameHarness&) { pGlobal->profileManager.addProfile("Ann"); },
     [](const ProfileManager& roster, const HSTdata&) {
         EXPECT_EQ(names(roster), (std::vector<std::string>{"Tester", "Ann"}));
         EXPECT_EQ(roster.current, 1);
     }},
    {"a player chosen",
     [](GameHarness&) {
         pGlobal->profileManager.addProfile("Ann");
         pGlobal->profileManager.addProfile("Bo");
         pGlobal->profileManager.selectProfile(1);
     },
     [](const ProfileManager& roster, const HSTdata&) { EXPECT_EQ(roster.current, 1); }},
    {"a player deleted",
     [](GameHarness&) {
         pGlobal->profileManager.addProfile("Ann");
         pGlobal->profileManager.deleteProfile(0);
     },
     [](const ProfileManager& roster, const HSTdata&) { EXPECT_EQ(names(roster), std::vector<std::string>{"Ann"}); }},
    {"a game saved at the start of its second house",
     [](GameHarness& game) {
         GameSession session = GameSession::quick();
         session.startNew<GameControllerTimeTrial>(2);
         ASSERT_TRUE(session.playGreedily());
         ASSERT_TRUE(game.stepUntil([] { return GameSession::record(ACTION).housesPlayed == 1; }));
     },
     [](const ProfileManager& roster, const HSTdata&) {
         const SavedGame& saved = roster.profiles[0].savedGames[ACTION];
         EXPECT_EQ(saved.housesPlayed, 1);
         EXPECT_EQ(saved.neighbourhood, 0);
         EXPECT_EQ(saved.houseIndex, 1);
     }},
    {"a continued game left",
     [](GameHarness&) {
         GameSession session = GameSession::quick();
         ASSERT_NE(session.continueFrom<GameControllerAdventure>(CONTINUED), nullptr);
         session.leave();
     },
     [](const ProfileManager& roster, const HSTdata&) {
         const SavedGame& saved = roster.profiles[0].savedGames[QUEST];
         EXPECT_EQ(std::memcmp(&saved, &CONTINUED, sizeof(SavedGame)), 0);
     }},
    {"a game lost with a high score",
     [](GameHarness&) {
         GameSession session = GameSession::quick(false);
         GameController* action = session.continueFrom<GameControllerTimeTrial>(CONTINUED);
         ASSERT_NE(action, nullptr);
         ASSERT_TRUE(session.playUntil([&] { return action->state == GameController::STATE_GAME_OVER; }));
     },
     [](const ProfileManager& roster, const HSTdata& block) {
         EXPECT_FALSE(roster.profiles[0].hasSavedGame(ACTION)) << "a lost game is not offered again";
         const HighScoreEntry(&table)[HSTdata::ENTRY_COUNT] = block.highScores[ACTION];
         EXPECT_TRUE(std::any_of(std::begin(table), std::end(table),
                                 [](const HighScoreEntry& entry) { return std::string(entry.name) == "Tester"; }));
     }},
    {"a setting changed and its page closed",
     [](GameHarness& game) {
         ContextOptionsSound* page = new ContextOptionsSound();
         game.stack()->pushContext(page);
         game.step(2);
         clickOn(page->pInGameMusicSwitch);
         game.step(2);
         clickOn(page->pBackButton);
         const Reference open(page);
         ASSERT_TRUE(game.stepUntil([&] { return open.get() == nullptr; }, 100));
     },
     [](const ProfileManager&, const HSTdata& block) { EXPECT_FALSE(block.bInGameMusic); }},
};

constexpr const char* ROW_VARIABLE = "KIV_TEST_KILLED_ROW";
constexpr const char* HOME_VARIABLE = "KIV_TEST_KILLED_HOME_FILE";

// Each row runs in a fresh copy of this test program (the game starts once
// per process): the copy makes the change, writes where its data home is and
// kills itself; this process then loads the files as a new start would.
TEST(Saves, AKillRightAfterAChangeLosesNothing)
{
    if (const char* row = std::getenv(ROW_VARIABLE)) {
        GameHarness& game = GameHarness::get();
        CHANGES[std::atoi(row)].make(game);
        writeWholeFile(std::getenv(HOME_VARIABLE), game.home);
        raise(SIGKILL);
    }
    const std::string program = std::filesystem::read_symlink("/proc/self/exe").string();
    const std::string filter = "--gtest_filter=Saves.AKillRightAfterAChangeLosesNothing";
    const TemporaryFolder scratch("kiv-killed");
    const std::string homeFile = scratch.path() + "/home";
    for (size_t row = 0; row < std::size(CHANGES); ++row) {
        SCOPED_TRACE(CHANGES[row].what);
        std::filesystem::remove(homeFile);
        const pid_t child = fork();
        if (child == 0) {
            setenv(ROW_VARIABLE, std::to_string(row).c_str(), 1);
            setenv(HOME_VARIABLE, homeFile.c_str(), 1);
            execl(program.c_str(), program.c_str(), filter.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the change was made; status " << status;
        const std::string home = readWholeFile(homeFile);
        ASSERT_FALSE(home.empty());
        useAsDataHome(home);
        FileManager files;
        ProfileManager roster;
        HSTdata block;
        EXPECT_TRUE(roster.load(files));
        block.load(files);
        CHANGES[row].check(roster, block);
        std::filesystem::remove_all(home);
    }
}

// A data folder that cannot be written: the first failed save brings a
// dialog saying so; later ones do not bring another.
TEST(Saves, AFailedSaveIsToldToThePlayerOnce)
{
    GameHarness& game = GameHarness::get();
    chmod(game.dataFolder.c_str(), 0555);
    for (const char* name : {"Ann", "Bo"}) {
        {
            PermissionsObeyed obeyed;
            pGlobal->profileManager.addProfile(name);
        }
        game.step(2);
        const ContextDialog* dialog = game.active<ContextDialog>();
        ASSERT_EQ(dialog != nullptr, std::string(name) == "Ann") << name;
        if (dialog) {
            EXPECT_EQ(dialog->title, "Saving failed");
            EXPECT_NE(dialog->message.find("(the temporary file could not be created (Permission denied))"),
                      std::string::npos);
            pressKey(KEY_ESCAPE);
            ASSERT_TRUE(game.stepUntil([&] { return game.mainMenu() != nullptr; }, 100));
        }
    }
    chmod(game.dataFolder.c_str(), 0755);
}

// What could once let a second copy through. The running copy is this test,
// holding the lock as the program does, and like a player without root's
// power over the files of others.
struct LockObstacle {
    const char* what;
    std::function<void(const std::string& folder, const std::string& lockFile, const std::string& elsewhere)> arrange;
};

const LockObstacle LOCK_OBSTACLES[] = {
    {"a lock file of another user that the player cannot write",
     [](auto&, const std::string& lockFile, auto&) {
         writeWholeFile(lockFile, "");
         chmod(lockFile.c_str(), 0444);
         // Only root may give a file away; the mode alone stops a player.
         [[maybe_unused]] const int given = chown(lockFile.c_str(), 65534, 65534);
     }},
    {"a link at the lock file's name",
     [](auto&, const std::string& lockFile, const std::string& to) { symlink(to.c_str(), lockFile.c_str()); }},
    {"a folder at the lock file's name",
     [](auto&, const std::string& lockFile, auto&) { mkdir(lockFile.c_str(), 0755); }},
    {"a data folder the running copy cannot read",
     [](const std::string& folder, auto&, auto&) { chmod(folder.c_str(), 0300); }},
};

TEST(Saves, ASecondCopyIsRefusedWhateverLiesAtTheLockFileNameAndWritesNothing)
{
    for (const LockObstacle& obstacle : LOCK_OBSTACLES) {
        SCOPED_TRACE(obstacle.what);
        const TemporaryFolder home("kiv-lock"), outside("kiv-lock-outside");
        const std::string folder = makeWindowedDataFolder(home.path());
        const std::string elsewhere = outside.path() + "/elsewhere", errors = outside.path() + "/second.err";
        writeWholeFile(elsewhere, "not the game's");
        obstacle.arrange(folder, folder + "/" + DataFolderLock::lockFileName(), elsewhere);
        DataFolderLock running;
        UString reason;
        {
            PermissionsObeyed obeyed;
            EXPECT_EQ(running.acquire(folder, reason), DataFolderLock::LOCKED) << reason;
        }
        const auto before = folderSnapshot(folder);
        StartedProgram second(startProgram(home.path(), {}, errors));
        if (!second.waitForExit(std::chrono::seconds(20))) {
            ADD_FAILURE() << "the second copy runs";
            second.terminate(std::chrono::seconds(60));
        }
        const int status = second.status();
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1) << "status " << status;
        EXPECT_EQ(readWholeFile(errors),
                  "Glimmerdaledemo is already running with the data folder '" + folder + "'; this copy ends.\n");
        EXPECT_EQ(folderSnapshot(folder), before);
        EXPECT_EQ(readWholeFile(elsewhere), "not the game's");
        chmod(folder.c_str(), 0755);
    }
}

// A relative data home names a folder below where each copy was started,
// the same for its lock and for every file it writes.
TEST(Saves, CopiesStartedFromTwoFoldersWithARelativeDataHomeWriteTheirOwnFolders)
{
    const TemporaryFolder scratch("kiv-relative");
    const std::string relativeHome = "relative-home";
    std::list<std::pair<StartedProgram, std::string>> copies;
    for (const char* start : {"/a", "/b"}) {
        const std::string folder = makeWindowedDataFolder(scratch.path() + start + "/" + relativeHome);
        copies.emplace_back(std::piecewise_construct,
                            std::forward_as_tuple(startProgram(relativeHome, {}, "", scratch.path() + start)),
                            std::forward_as_tuple(folder + "/Glimmerdaledemo.log"));
    }
    for (auto& [copy, log] : copies) {
        EXPECT_TRUE(waitFor([&] { return readWholeFile(log).find("Entering game loop.") != std::string::npos; },
                            std::chrono::seconds(60)))
            << log;
        copy.terminate(std::chrono::seconds(60));
    }
    const std::string gameDataHome = std::string(KIV_BINARY_DIR) + "/data/" + relativeHome;
    EXPECT_FALSE(std::filesystem::exists(gameDataHome)) << "written beside the game data";
    std::filesystem::remove_all(gameDataHome);
}

} // namespace
} // namespace gametest
