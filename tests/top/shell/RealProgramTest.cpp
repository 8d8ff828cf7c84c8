// The real program, started twice in a fresh data folder the way the play
// script starts it (the first time with the process-serial argument an
// application bundle gets): it reaches its menus without an error, renders
// frames, ends cleanly when its window is closed, leaves its configuration,
// high scores and players behind, and the second run keeps what the first
// left.
#include "FileManager.h"
#include "HSTdata.h"
#include "ProfileManager.h"
#include "ProgramRun.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
        dataFolder = makeWindowedDataFolder(home.path());
    }

    // Starts the program in the game data, waits until loading has ended and
    // the start screens have passed, closes the window and returns the run's
    // log.
    std::string runOnce(const std::vector<std::string>& arguments = {})
    {
        const std::string logPath = dataFolder + "/Glimmerdaledemo.log";
        std::filesystem::remove(logPath);
        const pid_t child = startProgram(home.path(), arguments);
        EXPECT_GT(child, 0);
        EXPECT_TRUE(waitFor(
            [&] { return readWholeFile(logPath).find("Global initialization complete") != std::string::npos; },
            std::chrono::seconds(120)))
            << readWholeFile(logPath);
        // The display check and the maker's logo take a few seconds.
        std::this_thread::sleep_for(std::chrono::seconds(5));
        int status = 0;
        EXPECT_TRUE(terminateProgram(child, status, std::chrono::seconds(60)))
            << "the game did not end when its window was closed";
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

    TemporaryFolder home{"kiv-program"};
    std::string dataFolder;
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
    const std::string firstLog = runOnce({"-psn_0_12345"});
    expectCleanRun(firstLog);
    const size_t rendered = firstLog.find(" frames rendered.");
    ASSERT_NE(rendered, std::string::npos);
    EXPECT_GE(std::atoi(firstLog.substr(firstLog.find(':', firstLog.rfind('\t', rendered)) + 2).c_str()), 100);
    EXPECT_EQ(readWholeFile(dataFolder + "/Glimmerdaledemo.cfg")
                  .rfind("[Kiv]\nwarning=Do NOT modify this file unless you are explicitly instructed to do so!\n", 0),
              0u);
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
