#include "ErrorManager.h"
#include "Logger.h"
#include "PermissionsObeyed.h"
#include "TestEngine.h"

#include <fcntl.h>
#include <sys/stat.h>
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
            new Kiv();
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
