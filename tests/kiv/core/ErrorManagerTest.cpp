#include "ErrorManager.h"
#include "Logger.h"
#include "MemoryImageFile.h"
#include "PermissionsObeyed.h"
#include "TestEngine.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <thread>
#include <unistd.h>

namespace {

// Death tests see only standard error; the report goes to standard output,
// so the child sends its standard output to a file checked afterwards.
void redirectStdout(const std::string& path)
{
    int file = open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(file, STDOUT_FILENO);
    close(file);
}

class ErrorManagerDeathTest : public ::testing::Test {
protected:
    TemporaryHome home;
    std::string outputPath() const { return home.root() + "/stdout.txt"; }
};

// A fatal error on another thread (the audio thread's) is the audio
// tests' business. Links at the names of the log, the first screenshot and
// the crash screenshot lead nowhere the engine writes.
TEST_F(ErrorManagerDeathTest, EngineReportLogsForcedExitAndKeepsTheCrashLog)
{
    const std::string elsewhere = home.root() + "/elsewhere";
    writeWholeFile(elsewhere, "not the game's");
    std::filesystem::create_directories(home.dataFolder());
    for (const char* name : {"/Glimmerdaledemo.log", "/crash.Glimmerdaledemo.jpg"})
        std::filesystem::create_symlink(elsewhere, home.dataFolder() + name);
    std::filesystem::create_symlink(home.root() + "/nowhere", home.dataFolder() + "/Glimmerdaledemo-0001.jpg");
    EXPECT_EXIT(
        {
            redirectStdout(outputPath());
            new Kiv(KivHost::desktop());
            pKiv->requestScreenshot();
            pKiv->frame(nullptr);
            KIV_ERROR("Could not find resource '%s'.", "hills:0");
        },
        ::testing::ExitedWithCode(255), "\\*\\*\\* ERROR \\*\\*\\* Error: Could not find resource 'hills:0'\\.\n Function: ")
        << "the engine's report reaches standard error too";
    EXPECT_EQ(readWholeFile(outputPath()).rfind("*** ERROR *** Error: Could not find resource 'hills:0'.\n Function: ", 0), 0u);
    std::string crashLog = readWholeFile(home.dataFolder() + "/crash.Glimmerdaledemo.log");
    EXPECT_NE(crashLog.find("\terror(): Error: Could not find resource 'hills:0'."), std::string::npos) << crashLog;
    EXPECT_NE(crashLog.find("\terror(): Forced exit.\n"), std::string::npos) << crashLog;
    EXPECT_FALSE(std::filesystem::exists(home.dataFolder() + "/Glimmerdaledemo.log")) << "kept as the crash log";
    EXPECT_EQ(std::filesystem::symlink_status(home.dataFolder() + "/crash.Glimmerdaledemo.jpg").type(),
              std::filesystem::file_type::regular)
        << "with a screenshot";
    EXPECT_TRUE(readWholeFile(elsewhere) == "not the game's") << "written through a link";
    EXPECT_FALSE(std::filesystem::exists(home.root() + "/nowhere"));
    EXPECT_TRUE(std::filesystem::is_regular_file(home.dataFolder() + "/Glimmerdaledemo-0002.jpg"));
}

// No more address space than is in use now.
void limitAddressSpaceToWhatIsUsed()
{
    unsigned long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    rlimit limit;
    getrlimit(RLIMIT_AS, &limit);
    limit.rlim_cur = pages * sysconf(_SC_PAGESIZE);
    setrlimit(RLIMIT_AS, &limit);
}

// Larger than any address space.
constexpr size_t IMPOSSIBLE_SIZE = size_t(1) << 50;
void* volatile allocated = nullptr;

// Memory running out (an image larger than what is left, after the heap has
// given its every last byte, so that only the reserve given back makes the
// report possible): the report says so, naming no place, since where memory
// ran out is not known; the crash log is kept; the crash screenshot, needing
// more than the reserve, is left out, and an earlier crash's stays as it was.
TEST_F(ErrorManagerDeathTest, AFailedAllocationIsReportedAsOutOfMemory)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator ends the process itself when an allocation fails";
#endif
    const std::string earlierShot = home.dataFolder() + "/crash.Glimmerdaledemo.jpg";
    std::filesystem::create_directories(home.dataFolder());
    writeWholeFile(earlierShot, "an earlier crash's screenshot");
    EXPECT_EXIT(
        {
            redirectStdout(outputPath());
            new Kiv(KivHost::desktop());
            makeFailedAllocationsFatal();
            limitAddressSpaceToWhatIsUsed();
            for (size_t size = size_t(1) << 30; size > 0; size /= 2)
                while ((allocated = std::malloc(size))) {
                }
            MemoryImageFile image(4096, 4096);
        },
        ::testing::ExitedWithCode(255), "\\*\\*\\* ERROR \\*\\*\\* Error: Out of memory\\.\n");
    EXPECT_EQ(readWholeFile(outputPath()), "*** ERROR *** Error: Out of memory.\n");
    const std::string crashLog = readWholeFile(home.dataFolder() + "/crash.Glimmerdaledemo.log");
    EXPECT_NE(crashLog.find("\terror(): Error: Out of memory.\n"), std::string::npos) << crashLog;
    EXPECT_NE(crashLog.find("\terror(): Forced exit.\n"), std::string::npos) << crashLog;
    EXPECT_EQ(crashLog.find("Function:"), std::string::npos) << crashLog;
    EXPECT_EQ(readWholeFile(earlierShot), "an earlier crash's screenshot");
}

// 'S' while the thread sleeps (waiting), '\0' when it cannot be read.
char threadState(pid_t thread)
{
    char stat[512] = {};
    const int file = open(("/proc/self/task/" + std::to_string(thread) + "/stat").c_str(), O_RDONLY);
    const ssize_t got = read(file, stat, sizeof(stat) - 1);
    close(file);
    const char* nameEnd = got > 0 ? std::strrchr(stat, ')') : nullptr;
    return nameEnd && nameEnd[1] == ' ' ? nameEnd[2] : '\0';
}

// Another thread runs out of memory while the report is being made (held
// where it writes standard output, a full pipe, until that thread waits):
// it waits for the report, which is made whole and ends the process, rather
// than ending it first with an exception or racing it with a report of its
// own.
TEST_F(ErrorManagerDeathTest, AnotherThreadRunningOutOfMemoryDuringTheReportWaitsForIt)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator ends the process itself when an allocation fails";
#endif
    const std::string log = home.dataFolder() + "/Glimmerdaledemo.log";
    EXPECT_EXIT(
        {
            int pipeEnds[2];
            if (pipe(pipeEnds) != 0)
                std::_Exit(2);
            fcntl(pipeEnds[1], F_SETFL, O_NONBLOCK);
            const std::string filler(4096, 'x');
            while (write(pipeEnds[1], filler.data(), filler.size()) > 0) {
            }
            fcntl(pipeEnds[1], F_SETFL, 0);
            dup2(pipeEnds[1], STDOUT_FILENO);
            new Kiv(KivHost::desktop());
            makeFailedAllocationsFatal();
            // Bounded waits, so that nothing holds the test for ever.
            const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(20);
            std::atomic<pid_t> failing{0};
            std::thread([&] {
                while (readWholeFile(log).find("error(): Error: Out of memory.") == std::string::npos &&
                       std::chrono::steady_clock::now() < giveUp)
                    std::this_thread::yield();
                failing = static_cast<pid_t>(syscall(SYS_gettid));
                allocated = new char[IMPOSSIBLE_SIZE];
            }).detach();
            std::thread([&] {
                while ((failing == 0 || threadState(failing) != 'S') && std::chrono::steady_clock::now() < giveUp)
                    std::this_thread::yield();
                char buffer[4096];
                while (read(pipeEnds[0], buffer, sizeof(buffer)) > 0) {
                }
            }).detach();
            allocated = new char[IMPOSSIBLE_SIZE];
        },
        ::testing::ExitedWithCode(255), "\\*\\*\\* ERROR \\*\\*\\* Error: Out of memory\\.\n");
    const std::string crashLog = readWholeFile(home.dataFolder() + "/crash.Glimmerdaledemo.log");
    const std::string report = "\terror(): Error: Out of memory.\n";
    const size_t reported = crashLog.find(report);
    ASSERT_NE(reported, std::string::npos) << crashLog;
    EXPECT_EQ(crashLog.find("Out of memory.", reported + report.size()), std::string::npos) << "one report: " << crashLog;
    EXPECT_NE(crashLog.find("\terror(): Forced exit.\n", reported), std::string::npos) << crashLog;
}

// A log that cannot be opened, or that fills its disk, goes on on standard
// error, saying so once.
TEST(LoggerDeathTest, ALogThatCannotBeWrittenGoesOnOnStandardError)
{
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/full", "No space left on device"},
        {"/nonexistent/Glimmerdaledemo.log", "No such file or directory"},
    };
    for (const auto& [path, reason] : cases) {
        EXPECT_EXIT(
            {
                Logger logger(path);
                logger.log("%s(): %s", "f", "the line");
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(0),
            std::string("^Glimmerdaledemo: the log '") + path + "' cannot be written \\(" + reason +
                "\\); it continues here\\.\n.*\tf\\(\\): the line\n$")
            << path;
    }
}

// A log and a crash log that this run may not write (left by a run as another
// user, say) in its own folder are replaced by files of its own: the log is
// written, and a fatal error keeps it as the crash log.
TEST(Logger, ALogAndACrashLogThisRunMayNotWriteAreReplaced)
{
    const TemporaryFolder folder("kiv-log");
    const std::string log = folder.path() + "/Glimmerdaledemo.log";
    const std::string crashLog = folder.path() + "/crash.Glimmerdaledemo.log";
    for (const std::string& path : {log, crashLog}) {
        writeWholeFile(path, "another user's");
        chmod(path.c_str(), 0444);
    }
    {
        PermissionsObeyed obeyed;
        Logger logger(log);
        logger.log("%s(): %s", "f", "the line");
        logger.keepAs(crashLog);
    }
    EXPECT_NE(readWholeFile(crashLog).find("\tf(): the line\n"), std::string::npos) << readWholeFile(crashLog);
    EXPECT_FALSE(std::filesystem::exists(log)) << "kept as the crash log";
}

} // namespace
