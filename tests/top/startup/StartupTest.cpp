// Runs the real executable headless and checks what a player's machine
// would be left with; also the start-up glue's own fault paths.
#include "WMhooks.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string readWholeFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

struct TemporaryFolder {
    TemporaryFolder()
    {
        char pattern[] = "/tmp/kiv-startup-XXXXXX";
        path = mkdtemp(pattern);
    }
    ~TemporaryFolder() { std::filesystem::remove_all(path); }
    std::string path;
};

// Waits up to the timeout for the child; true with its status when it ended.
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

TEST(Startup, HeadlessRunEndsCleanlyOnTerminate)
{
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
    TemporaryFolder home;
    std::string executable = std::string(KIV_BINARY_DIR) + "/glimmerdale";
    ASSERT_TRUE(std::filesystem::exists(executable)) << executable;
    // The game runs where its data files are, as the play script starts it.
    std::string gameData = std::string(KIV_BINARY_DIR) + "/data";
    ASSERT_TRUE(std::filesystem::exists(gameData + "/Glimmerdaledemo.dat")) << gameData;
    std::string dataFolder = home.path + "/Glimmerdaledemo/1.30";
    std::string logPath = dataFolder + "/Glimmerdaledemo.log";

    pid_t child = fork();
    if (child == 0) {
        setenv("XDG_DATA_HOME", home.path.c_str(), 1);
        unsetenv("U3_APP_DATA_PATH");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (chdir(gameData.c_str()) != 0)
            _exit(126);
        execl(executable.c_str(), executable.c_str(), "-psn_0_12345", static_cast<char*>(nullptr));
        _exit(127);
    }
    ASSERT_GT(child, 0);

    // A few hundred frames at the default 0.015 s period.
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    bool entered = false;
    while (!entered && std::chrono::steady_clock::now() < deadline) {
        entered = readWholeFile(logPath).find("doFrame(): Entering game loop.") != std::string::npos;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    EXPECT_TRUE(entered) << readWholeFile(logPath);
    std::this_thread::sleep_for(std::chrono::seconds(5));
    kill(child, SIGTERM);
    int status = 0;
    bool ended = waitFor(child, status, std::chrono::seconds(60));
    if (!ended) {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    ASSERT_TRUE(ended) << "the game did not end after SIGTERM";
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
    TemporaryFolder folder;
    std::string record = folder.path + "/arguments";
    std::string opener = folder.path + "/xdg-open";
    {
        std::ofstream script(opener);
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '[%s]\\n' \"$a\"; done >> '" << record << "'\n";
    }
    std::filesystem::permissions(opener, std::filesystem::perms::owner_all);
    std::string previousPath = std::getenv("PATH") ? std::getenv("PATH") : "";
    setenv("PATH", (folder.path + ":" + previousPath).c_str(), 1);

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
