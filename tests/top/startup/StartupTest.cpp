// Runs the real executable headless and checks what a player's machine
// would be left with; also the start-up glue's own fault paths.
#include "WMhooks.h"

#include "ProgramRun.h"
#include "TemporaryFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

TEST(Startup, HeadlessRunEndsCleanlyOnTerminate)
{
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
    TemporaryFolder home("kiv-startup");
    std::string executable = std::string(KIV_BINARY_DIR) + "/glimmerdale";
    ASSERT_TRUE(std::filesystem::exists(executable)) << executable;
    // The game runs where its data files are, as the play script starts it.
    std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
    ASSERT_TRUE(std::filesystem::exists(gameData + "/Glimmerdaledemo.dat")) << gameData;
    std::string dataFolder = dataFolderUnder(home.path());
    std::string logPath = dataFolder + "/Glimmerdaledemo.log";

    const pid_t child = startProgram(home.path(), {"-psn_0_12345"});
    ASSERT_GT(child, 0);

    // A few hundred frames at the default 0.015 s period.
    EXPECT_TRUE(waitForText(logPath, "doFrame(): Entering game loop.", std::chrono::seconds(60)))
        << readWholeFile(logPath);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    int status = 0;
    ASSERT_TRUE(terminateProgram(child, status, std::chrono::seconds(60))) << "the game did not end after SIGTERM";
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);

    std::string log = readWholeFile(logPath);
    EXPECT_NE(log.find("~Kiv(): Done. Clean exit."), std::string::npos) << log;
    size_t frames = log.find(" frames rendered.");
    ASSERT_NE(frames, std::string::npos) << log;
    size_t number = log.rfind('\t', frames);
    int rendered = std::atoi(log.substr(log.find(':', number) + 2).c_str());
    EXPECT_GE(rendered, 100) << log;
    std::string config = readWholeFile(dataFolder + "/Glimmerdaledemo.cfg");
    EXPECT_EQ(config.rfind("[Kiv]\nwarning=Do NOT modify this file unless you are explicitly instructed to do so!\n", 0), 0u)
        << config;
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/crash.Glimmerdaledemo.log"));
}

TEST(Startup, WebPageAddressReachesTheOpenerAsOneArgument)
{
    TemporaryFolder folder("kiv-startup");
    std::string record = folder.path() + "/arguments";
    std::string opener = folder.path() + "/xdg-open";
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >> '" << record << "'\n";
    }
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    std::string previousPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder.path() + ":" + previousPath).c_str(), 1);

    struct Case {
        const char* address;
        const char* recorded;
    };
    const Case cases[] = {
        {"", ""},
        {"http://example.com/a b", "[http://example.com/a b]\n"},
        {"http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"", "[http://x/?q=1&r=2;touch /tmp/kiv-pwned $(id) `id` 'q\"]\n"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(record);
        openWebPage(c.address);
        EXPECT_EQ(readWholeFile(record), c.recorded) << c.address;
    }
    EXPECT_FALSE(std::filesystem::exists("/tmp/kiv-pwned"));
    setenv("PATH", previousPath.c_str(), 1);
}

TEST(StartupDeathTest, ExceptionBeforeTheEngineExistsEndsWithAMessageOnStandardError)
{
    EXPECT_EXIT(reportUnhandledException(), ::testing::ExitedWithCode(255),
                "\\*\\*\\* ERROR \\*\\*\\* Error: Unhandled exception\\.\n Function: doFrame\\(\\)");
}

} // namespace
