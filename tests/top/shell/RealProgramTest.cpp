// The real program, started twice in a fresh data folder the way the play
// script starts it: it reaches its menus without an error, ends cleanly when
// its window is closed, leaves its configuration, high scores and players
// behind, and the second run keeps what the first left.
#include "ApplicationInfo.h"
#include "FileManager.h"
#include "HSTdata.h"
#include "ProfileManager.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::string readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool waitFor(pid_t child, int& status, std::chrono::seconds timeout)
{
    auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (waitpid(child, &status, WNOHANG) == child)
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
        char pattern[] = "/tmp/kiv-program-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        home = pattern;
        dataFolder = home + "/Glimmerdaledemo/1.30";
        std::filesystem::create_directories(dataFolder);
        std::ofstream(dataFolder + "/Glimmerdaledemo.cfg")
            << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n";
        previousHome = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
        setenv("XDG_DATA_HOME", home.c_str(), 1);
    }

    void TearDown() override
    {
        setenv("XDG_DATA_HOME", previousHome.c_str(), 1);
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    }

    // Starts the program in the game data, waits until loading has ended and
    // the start screens have passed, closes the window (SDL turns the
    // termination request into the same quit event as the close box) and
    // returns the run's log.
    std::string runOnce()
    {
        const std::string executable = std::string(KIV_BINARY_DIR) + "/glimmerdale";
        const std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
        const std::string logPath = dataFolder + "/Glimmerdaledemo.log";
        std::filesystem::remove(logPath);
        pid_t child = fork();
        if (child == 0) {
            unsetenv("U3_APP_DATA_PATH");
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            if (chdir(gameData.c_str()) != 0)
                _exit(126);
            execl(executable.c_str(), executable.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        EXPECT_GT(child, 0);
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
        bool loaded = false;
        while (!loaded && std::chrono::steady_clock::now() < deadline) {
            loaded = readWholeFile(logPath).find("Global initialization complete") != std::string::npos;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        EXPECT_TRUE(loaded) << readWholeFile(logPath);
        // The display check and the maker's logo take a few seconds.
        std::this_thread::sleep_for(std::chrono::seconds(5));
        kill(child, SIGTERM);
        int status = 0;
        const bool ended = waitFor(child, status, std::chrono::seconds(60));
        if (!ended) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
        }
        EXPECT_TRUE(ended) << "the game did not end when its window was closed";
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        return readWholeFile(logPath);
    }

    // The raw record of a packed player file; empty when it does not load.
    std::vector<unsigned char> loadRecord(const char* extension, size_t size)
    {
        std::vector<unsigned char> record(size);
        FileManager files;
        if (!files.loadPackedFile(dataFolder, std::string(APPLICATION_NAME) + extension, APPLICATION_VERSION,
                                  record.data(), size))
            record.clear();
        return record;
    }

    void saveRecord(const char* extension, const std::vector<unsigned char>& record)
    {
        FileManager files;
        files.savePackedFile(dataFolder, std::string(APPLICATION_NAME) + extension, APPLICATION_VERSION, record.data(),
                             record.size());
    }

    template <typename T>
    static T field(const std::vector<unsigned char>& record, size_t offset)
    {
        T value;
        std::memcpy(&value, record.data() + offset, sizeof(T));
        return value;
    }

    template <typename T>
    static void setField(std::vector<unsigned char>& record, size_t offset, T value)
    {
        std::memcpy(record.data() + offset, &value, sizeof(T));
    }

    std::string home;
    std::string dataFolder;
    std::string previousHome;
};

void expectCleanRun(const std::string& log)
{
    EXPECT_NE(log.find("doFrame(): Entering game loop."), std::string::npos) << log;
    EXPECT_NE(log.find("loadStuff(): Single language mode (0)."), std::string::npos) << log;
    EXPECT_NE(log.find("SolutionData(): solutions/solution-7x7.dat: Loaded "), std::string::npos) << log;
    EXPECT_NE(log.find("~Kiv(): Done. Clean exit."), std::string::npos) << log;
    EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
    EXPECT_EQ(log.find("Forced exit."), std::string::npos) << log;
    EXPECT_EQ(log.find("objects still allocated"), std::string::npos) << log;
}

TEST_F(RealProgram, StartsToItsMenusEndsCleanlyAndKeepsItsFilesAcrossARestart)
{
    expectCleanRun(runOnce());
    for (const char* file : {"Glimmerdaledemo.cfg", "Glimmerdaledemo.hst", "Glimmerdaledemo.pro"})
        EXPECT_TRUE(std::filesystem::exists(dataFolder + "/" + file)) << file;
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/crash.Glimmerdaledemo.log"));

    std::vector<unsigned char> block = loadRecord(".hst", HSTdata::FILE_SIZE);
    ASSERT_EQ(block.size(), HSTdata::FILE_SIZE);
    const uint32_t installation = field<uint32_t>(block, offsetof(HSTdata, installationId));
    EXPECT_NE(installation, 0u);
    setField<int32_t>(block, offsetof(HSTdata, musicVolume), 7);
    saveRecord(".hst", block);
    std::vector<unsigned char> roster = loadRecord(".pro", ProfileManager::FILE_SIZE);
    ASSERT_EQ(roster.size(), ProfileManager::FILE_SIZE);
    std::memcpy(roster.data() + offsetof(ProfileManager, profiles), "Ann", 4);
    saveRecord(".pro", roster);

    const std::string secondLog = runOnce();
    expectCleanRun(secondLog);
    EXPECT_NE(secondLog.find("onCurrentProfileChanged(): Changing profile to 'Ann'..."), std::string::npos)
        << secondLog;
    block = loadRecord(".hst", HSTdata::FILE_SIZE);
    ASSERT_EQ(block.size(), HSTdata::FILE_SIZE);
    EXPECT_EQ(field<uint32_t>(block, offsetof(HSTdata, installationId)), installation);
    EXPECT_EQ(field<int32_t>(block, offsetof(HSTdata, musicVolume)), 7);
    EXPECT_GE(field<int32_t>(block, offsetof(HSTdata, playTime)), 1);
    roster = loadRecord(".pro", ProfileManager::FILE_SIZE);
    ASSERT_EQ(roster.size(), ProfileManager::FILE_SIZE);
    EXPECT_STREQ(reinterpret_cast<const char*>(roster.data() + offsetof(ProfileManager, profiles)), "Ann");
}

}
