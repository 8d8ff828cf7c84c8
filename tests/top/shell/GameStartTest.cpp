// The game's start-up. In this process, by the shared game harness: the road
// to the main menu, a screenshot of it, and the end of the program in the
// middle of a game. And the real program, started twice in a fresh data
// folder the way the play script starts it (the first time with the
// process-serial argument an application bundle gets): it reaches its menus
// without an error, renders frames, ends cleanly when its window is closed,
// leaves its configuration, high scores and players behind, and the second
// run keeps what the first left; and it does the same started under a
// file-size limit, with its standard descriptors closed, with a hard link
// at its log's name, with standard error on a pipe that nobody reads or
// with hang-ups ignored, and ended by a hang-up, writing no other file. On
// a slow disk no request, on any thread, nor a logout cuts a save short; a
// request during the exit saves ends the program once they are done; once
// its files are saved the program lets go of its data folder. No request is
// lost during a slow start-up, and a start-up step that hangs is ended one
// grace after the first request. A kill while a screenshot is written
// leaves no picture behind; a quit while one is flushed waits for it.
#include "CookieFile.h"
#include "GameHarness.h"
#include "SocketAtPath.h"
#include "StandInOpener.h"
#include "TestName.h"
#include "VirtualDisplay.h"

#include "DataFolderLock.h"
#include "ContextMain.h"
#include "Loader.h"

#include <filesystem>
#include <map>
#include <optional>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/syscall.h>

// Xlib's macros come after every other header.
#include "WindowInput.h"

namespace gametest {
namespace {

using namespace testsupport;

// A game that is still running when the program ends.
struct RunningGame : GameController {
    explicit RunningGame(bool* deleted) : pDeleted(deleted) {}
    ~RunningGame() override { *pDeleted = true; }
    bool* pDeleted;
};

// Ends the game of this process.
TEST(GameStart, ReachesTheMenuOverTheLoaderSavesAScreenshotAndEndsCleanlyInTheMiddleOfAGame)
{
    GameHarness& game = GameHarness::get();
    ASSERT_NE(game.mainMenu(), nullptr);
    ASSERT_EQ(game.stack()->getChildCount(), 2);
    EXPECT_NE(dynamic_cast<Loader*>(static_cast<KivBase*>(game.stack()->pFirstChild)), nullptr);
    // A requested screenshot is saved at the end of the next frame drawn,
    // and once only.
    pKiv->requestScreenshot();
    game.stepped.bDraw = true;
    game.step(2);
    game.stepped.bDraw = false;
    const std::string shot = game.dataFolder + "/Glimmerdaledemo-0001.jpg";
    ASSERT_TRUE(std::filesystem::exists(shot));
    EXPECT_GT(std::filesystem::file_size(shot), 4096u);
    EXPECT_FALSE(std::filesystem::exists(game.dataFolder + "/Glimmerdaledemo-0002.jpg"));

    bool bGameDeleted = false;
    RunningGame* running = new RunningGame(&bGameDeleted);
    running->bDeleteWhenFinished = true;
    game.stack()->pushContext(running);
    game.step();
    getMyGlobal()->pCurrentGame = running;
    GameHarness::shutdown();
    EXPECT_TRUE(bGameDeleted);
    EXPECT_EQ(pGlobal, nullptr);
    EXPECT_EQ(pKiv, nullptr);
    const std::string log = readWholeFile(game.dataFolder + "/Glimmerdaledemo.log");
    EXPECT_NE(log.find("~Kiv(): Done. Clean exit."), std::string::npos) << log;
    EXPECT_EQ(log.find("objects still allocated"), std::string::npos) << log;
    EXPECT_EQ(log.find("*** ERROR"), std::string::npos) << log;
    for (const char* file : {"Glimmerdaledemo.cfg", "Glimmerdaledemo.hst", "Glimmerdaledemo.pro"})
        EXPECT_TRUE(std::filesystem::exists(game.dataFolder + "/" + file)) << file;
}

class RealProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
        dataFolder = makeWindowedDataFolder(home.path());
    }

    // Starts the program in the game data (inChild as startProgram runs
    // it), waits until loading has ended and the start screens have passed,
    // runs whileRunning (program is the running program), ends it with the
    // signal ending (SIGTERM: as a closed window) and expects a clean run
    // that ends with the wait status given: an exit with status 0, a
    // request's signal once the exit saves are done, or an exit with another
    // status and no clean end (Xlib's after a lost display). Returns the
    // run's log, with what went on on standard error when the file could not
    // be written.
    std::string runOnce(const std::vector<std::string>& arguments = {}, const std::function<void()>& whileRunning = {},
                        const std::function<void()>& inChild = {}, int ending = SIGTERM, int waitStatus = 0)
    {
        start(arguments, inChild);
        waitForTheStartScreens();
        if (whileRunning)
            whileRunning();
        EXPECT_TRUE(program->terminate(std::chrono::seconds(60), ending)) << "it did not end when closed";
        const int status = program->status();
        EXPECT_EQ(status, waitStatus);
        const std::string log = runLog();
        for (const char* line : {"doFrame(): Entering game loop.", "loadStuff(): Single language mode (0).",
                                 "SolutionData(): solutions/solution-7x7.dat: Loaded "})
            EXPECT_NE(log.find(line), std::string::npos) << line << "\n" << log;
        EXPECT_EQ(log.find("~Kiv(): Done. Clean exit.") != std::string::npos, waitStatus == 0 || WIFSIGNALED(waitStatus))
            << log;
        for (const char* line : {"*** ERROR", "Forced exit.", "objects still allocated"})
            EXPECT_EQ(log.find(line), std::string::npos) << line << "\n" << log;
        return log;
    }

    // Starts the program (inChild as startProgram runs it) and waits until
    // loading has ended.
    void start(const std::vector<std::string>& arguments = {}, const std::function<void()>& inChild = {})
    {
        std::filesystem::remove(logPath());
        program.emplace(startProgram(home.path(), arguments, errorPath(), "", inChild));
        EXPECT_GT(program->pid(), 0);
        EXPECT_TRUE(waitFor([&] { return runLog().find("Global initialization complete") != std::string::npos; },
                            std::chrono::seconds(120)));
    }

    // The display check and the maker's logo take a few seconds.
    static void waitForTheStartScreens() { std::this_thread::sleep_for(std::chrono::seconds(5)); }

    // Starts the program on the display (inChild as startProgram runs it),
    // names the first player and answers the main menu's Website with Yes;
    // beforeYes runs just before the answer.
    void quitForTheWebsite(const VirtualDisplay& display, const std::function<void()>& inChild = {},
                           const std::function<void()>& beforeYes = {})
    {
        start({}, [&] {
            setenv("DISPLAY", display.name().c_str(), 1);
            if (inChild)
                inChild();
        });
        waitForTheStartScreens();
        WindowInput input(display.name());
        ASSERT_TRUE(input.ready());
        nameTheFirstPlayer(input, "Ann");
        std::this_thread::sleep_for(std::chrono::seconds(2));
        // The main menu's Website button, then Yes in the question it asks.
        input.click(540, 430);
        std::this_thread::sleep_for(std::chrono::seconds(1));
        if (beforeYes)
            beforeYes();
        input.click(235, 306);
    }

    // The first start's screens passed as a player passes them: the maker's
    // logo and the intro skipped, however slowly they come on a busy machine
    // (the new-player prompt that follows stays up through Escape), and a
    // new player named in the prompt.
    static void nameTheFirstPlayer(WindowInput& input, const std::string& name)
    {
        for (int press = 0; press < 8; ++press) {
            input.key(XK_Escape);
            std::this_thread::sleep_for(std::chrono::seconds(1));
        }
        input.type(name);
        input.key(XK_Return);
    }

    // The screenshot key pressed until the shot's flush to the slow disk
    // (slowDisk with slow) begins, again and again: the window is made anew
    // as the start screens begin. False when no shot was taken.
    static bool pressPrintUntilFlushing(WindowInput& input, const std::string& slow)
    {
        const auto flushing = [&] { return std::filesystem::exists(slow + ".flushing"); };
        for (int press = 0; press < 30 && !flushing(); ++press) {
            input.key(XK_Print);
            waitFor(flushing, std::chrono::seconds(1));
        }
        return flushing();
    }

    std::string logPath() const { return dataFolder + "/Glimmerdaledemo.log"; }
    // The run's log, with what went on on standard error.
    std::string runLog() const { return readWholeFile(logPath()) + readWholeFile(errorPath()); }

    // The packed player file read into the record (size bytes); a failure
    // when it does not load.
    void load(const char* extension, void* record, size_t size)
    {
        EXPECT_TRUE(FileManager().loadPackedFile(dataFolder, std::string(APPLICATION_NAME) + extension,
                                                 APPLICATION_VERSION, record, size))
            << extension;
    }

    std::string errorPath() const { return home.path() + "/errors"; }

    TemporaryFolder home{"kiv-program"};
    std::string dataFolder;
    std::optional<StartedProgram> program;
};

TEST_F(RealProgram, StartsToItsMenusEndsCleanlyAndKeepsItsFilesAcrossARestart)
{
    const std::string firstLog = runOnce({"-psn_0_12345"});
    const size_t rendered = firstLog.find(" frames rendered.");
    ASSERT_NE(rendered, std::string::npos);
    EXPECT_GE(std::atoi(firstLog.substr(firstLog.find(':', firstLog.rfind('\t', rendered)) + 2).c_str()), 100);
    EXPECT_NE(readWholeFile(dataFolder + "/Glimmerdaledemo.cfg").find("[Kiv]\n"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dataFolder + "/crash.Glimmerdaledemo.log"));

    // Blocks read without an engine, which neither loads nor saves them.
    HSTdata first, second;
    load(".hst", &first, HSTdata::FILE_SIZE);
    EXPECT_NE(first.installationId, 0u);
    std::vector<unsigned char> roster(ProfileManager::FILE_SIZE);
    load(".pro", roster.data(), roster.size());
    std::memcpy(roster.data() + offsetof(ProfileManager, profiles), "Ann", 4);
    FileManager().savePackedFile(dataFolder, std::string(APPLICATION_NAME) + ".pro", APPLICATION_VERSION, roster.data(),
                                 roster.size());

    const std::string secondLog = runOnce();
    EXPECT_NE(secondLog.find("onCurrentProfileChanged(): Changing profile to 'Ann'..."), std::string::npos);
    load(".hst", &second, HSTdata::FILE_SIZE);
    EXPECT_EQ(second.installationId, first.installationId);
    EXPECT_GE(second.playTime, 1);
    load(".pro", roster.data(), roster.size());
    EXPECT_STREQ(reinterpret_cast<const char*>(roster.data() + offsetof(ProfileManager, profiles)), "Ann");
}

// What the player's system may start the game with: a file-size limit that
// the log outgrows, standard input, output and error closed, a hard link at
// the log's name, standard error on a pipe whose reader has quit, hang-ups
// and interrupts ignored; and what may end it: a hang-up. The game runs to
// its menus and ends cleanly all the same, and no other file is written.
struct Surroundings {
    const char* what;
    // In the program's process, just before it starts; elsewhere is a file
    // outside the data folder on the same disk.
    std::function<void(const std::string& logPath, const std::string& elsewhere)> inChild;
    // While it runs.
    std::function<void(StartedProgram& program)> whileRunning;
    // After it ended, with what it wrote on standard error.
    std::function<void(const std::string& dataFolder, const std::string& errors)> check;
    // The signal that ends it.
    int ending = SIGTERM;
    // How it ends (a wait status): an exit with status 0, or the signal of
    // a request kept during the exit saves once they are done.
    int waitStatus = 0;
};

// Every save the end of a first run makes (the configuration rewritten, the
// high scores and the players written), and none left half done.
void expectTheExitSaves(const std::string& dataFolder)
{
    EXPECT_NE(readWholeFile(dataFolder + "/Glimmerdaledemo.cfg").find("[Kiv]\n"), std::string::npos);
    for (const char* file : {"Glimmerdaledemo.hst", "Glimmerdaledemo.pro"})
        EXPECT_TRUE(std::filesystem::exists(dataFolder + "/" + file)) << file;
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
}

// For the sanitized build, in the program's process before it starts.
void addSanitizerOption(const std::string& option)
{
    const char* options = std::getenv("ASAN_OPTIONS");
    setenv("ASAN_OPTIONS", (std::string(options ? options : "") + ":" + option).c_str(), 1);
}

// In the program's process before it starts: the libraries named (an empty
// name stands for none) are loaded with the program. The loader splits
// LD_PRELOAD at spaces as well as colons, so each goes there by its file
// name, and its folder, which may lie on a path with spaces, goes on
// LD_LIBRARY_PATH.
void preload(std::initializer_list<std::string> libraries)
{
    // The sanitizer's runtime would have to come before them.
    addSanitizerOption("verify_asan_link_order=0");
    std::string names;
    const char* searched = std::getenv("LD_LIBRARY_PATH");
    std::string folders = searched ? searched : "";
    for (const std::string& library : libraries) {
        if (library.empty())
            continue;
        const std::filesystem::path path(library);
        names += (names.empty() ? "" : ":") + path.filename().string();
        folders = path.parent_path().string() + (folders.empty() ? "" : ":") + folders;
    }
    setenv("LD_PRELOAD", names.c_str(), 1);
    setenv("LD_LIBRARY_PATH", folders.c_str(), 1);
}

// In the program's process before it starts: every flush to the disk takes
// the seconds given (only while the file onlyWhile is there, when one is
// named), and the libraries named are loaded with the program.
void slowDisk(unsigned seconds, const std::string& onlyWhile = "", const std::string& alsoLoaded = "")
{
    preload({KIV_SLOW_FLUSH_LIBRARY, alsoLoaded});
    setenv("KIV_SLOW_FLUSH_SECONDS", std::to_string(seconds).c_str(), 1);
    if (!onlyWhile.empty())
        setenv("KIV_SLOW_FLUSH_WHILE", onlyWhile.c_str(), 1);
}

// In the program's process before it starts: each connection to the X
// server takes the seconds given, and the first leaves the file begun as it
// begins.
void slowDisplay(const char* seconds, const std::string& begun)
{
    preload({KIV_SLOW_DISPLAY_LIBRARY});
    setenv("KIV_SLOW_CONNECT_SECONDS", seconds, 1);
    setenv("KIV_SLOW_CONNECT_BEGUN", begun.c_str(), 1);
}

// The id of the program's thread of that name; 0 when it has none.
pid_t threadNamed(pid_t program, const std::string& name)
{
    for (const auto& task : std::filesystem::directory_iterator(formatString("/proc/%d/task", program)))
        if (readWholeFile(task.path() / "comm") == name + "\n")
            return std::stoi(task.path().filename());
    return 0;
}

const Surroundings SURROUNDINGS[] = {
    // The log passes it while loading; what then goes on on standard error,
    // under the same limit, stays below it.
    {"a file-size limit of 20 KB",
     [](auto&, auto&) {
         const rlimit limit{20 * 1024, 20 * 1024};
         setrlimit(RLIMIT_FSIZE, &limit);
     },
     {},
     [](const std::string& dataFolder, const std::string& errors) {
         EXPECT_EQ(errors.rfind("Glimmerdaledemo: the log '" + dataFolder +
                                    "/Glimmerdaledemo.log' cannot be written (File too large); it continues here.\n",
                                0),
                   0u)
             << errors;
     }},
    {"standard input, output and error closed",
     [](auto&, auto&) {
         for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
             close(descriptor);
     },
     [](StartedProgram& program) {
         for (int descriptor : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
             EXPECT_EQ(std::filesystem::read_symlink(formatString("/proc/%d/fd/%d", program.pid(), descriptor)),
                       "/dev/null")
                 << descriptor;
     },
     [](const std::string& dataFolder, auto&) {
         EXPECT_EQ(readWholeFile(dataFolder + "/" + DataFolderLock::lockFileName()), "");
     }},
    {"a hard link at the log's name",
     [](const std::string& logPath, const std::string& elsewhere) {
         if (link(elsewhere.c_str(), logPath.c_str()) != 0)
             _exit(124);
     },
     {}, {}},
    // A line goes there at the end: the configuration's rewrite fails, and
    // a failed save is said on standard error too.
    {"standard error on a pipe whose reader has quit",
     [](const std::string& logPath, auto&) {
         int ends[2];
         if (pipe(ends) != 0 || dup2(ends[1], STDERR_FILENO) < 0)
             _exit(124);
         close(ends[0]);
         close(ends[1]);
         // Every name (64) its writer tries for the temporary file is taken.
         const std::string config = std::filesystem::path(logPath).replace_extension(".cfg");
         for (int attempt = 0; attempt < 64; ++attempt)
             mkdir(formatString("%s.%d-%d.tmp", config.c_str(), getpid(), attempt).c_str(), 0755);
     },
     {},
     [](const std::string& dataFolder, auto&) {
         const std::string log = readWholeFile(dataFolder + "/Glimmerdaledemo.log");
         EXPECT_NE(log.find("Could not save '" + dataFolder +
                            "/Glimmerdaledemo.cfg': the temporary file could not be created (File exists)."),
                   std::string::npos)
             << log;
     }},
    {"hang-ups and interrupts ignored from the start (nohup, a script's background job)",
     [](auto&, auto&) {
         std::signal(SIGHUP, SIG_IGN);
         std::signal(SIGINT, SIG_IGN);
     },
     [](StartedProgram& program) {
         program.signal(SIGHUP);
         program.signal(SIGINT);
         EXPECT_FALSE(program.waitForExit(std::chrono::seconds(3))) << "status " << program.status();
     },
     {}},
    // The terminal it was started from closed: every save of the end is
    // made, the only ones of a first run.
    {"a hang-up at the end", {}, {}, [](const std::string& dataFolder, auto&) { expectTheExitSaves(dataFolder); },
     SIGHUP},
    // A USB stick, a network home or a busy disk: the exit saves together
    // take longer than the grace a termination request leaves a frame that
    // never ends, and none of them is cut short.
    {"every flush to the disk slow", [](auto&, auto&) { slowDisk(2); }, {},
     [](const std::string& dataFolder, auto&) { expectTheExitSaves(dataFolder); }},
    // Another request, taken on a thread other than the main one (a
    // driver's that blocks no signal), while the exit saves are under way:
    // they outlast the grace it would have armed, and the request ends the
    // program once they are done.
    {"a request to another thread while the slow exit saves are made",
     [](auto&, auto&) { slowDisk(3, "", KIV_IDLE_THREAD_LIBRARY); },
     [](StartedProgram& program) {
         const pid_t idle = threadNamed(program.pid(), "idle-thread");
         ASSERT_NE(idle, 0) << "no idle thread";
         program.signal(SIGTERM);
         std::this_thread::sleep_for(std::chrono::seconds(2));
         EXPECT_EQ(syscall(SYS_tgkill, program.pid(), idle, SIGTERM), 0);
     },
     [](const std::string& dataFolder, auto&) { expectTheExitSaves(dataFolder); }, SIGTERM, SIGTERM},
};

// Each row is a test of its own, so that they run side by side.
class RealProgramIn : public RealProgram, public ::testing::WithParamInterface<size_t> {};

TEST_P(RealProgramIn, RunsAndEndsCleanlyAndWritesNoOtherFile)
{
    const Surroundings& surroundings = SURROUNDINGS[GetParam()];
    const std::string logPath = dataFolder + "/Glimmerdaledemo.log", elsewhere = home.path() + "/elsewhere";
    writeWholeFile(elsewhere, "not the game's");
    runOnce({}, [&] { if (surroundings.whileRunning) surroundings.whileRunning(*program); },
            [&] { if (surroundings.inChild) surroundings.inChild(logPath, elsewhere); }, surroundings.ending,
            surroundings.waitStatus);
    if (surroundings.check)
        surroundings.check(dataFolder, readWholeFile(errorPath()));
    EXPECT_EQ(readWholeFile(elsewhere), "not the game's");
}

INSTANTIATE_TEST_SUITE_P(Surroundings, RealProgramIn, ::testing::Range<size_t>(0, std::size(SURROUNDINGS)),
                         [](const auto& row) { return testName(SURROUNDINGS[row.param].what); });

// A logout: the session's display ends, and the hang-up comes with it,
// either first, or both while the exit saves of a quit are made. What the
// end saves without a display is saved before Xlib's report of the lost
// display ends the program, however slow the disk, and the report names the
// connection's loss. The configuration keeps the player's full screen, the
// graphics teardown's window being no choice of the player's, so the next
// start opens full screen again.
struct Logout {
    const char* what;
    enum { DISPLAY_FIRST, HANG_UP_FIRST, AFTER_A_QUIT } order;
    // Seconds each flush to the disk takes; 0 for an ordinary disk.
    unsigned flushSeconds;
};

const Logout LOGOUTS[] = {
    {"the display first and the hang-up at once", Logout::DISPLAY_FIRST, 0},
    {"the display first and the hang-up at once on a slow disk", Logout::DISPLAY_FIRST, 2},
    {"the hang-up first and the display half a second later on a slow disk", Logout::HANG_UP_FIRST, 2},
    {"a quit then the display and the hang-up during the slow exit saves", Logout::AFTER_A_QUIT, 1},
};

const char* const FULL_SCREEN = "[KivGraphics]\nbFullScreen=Yes\nscreenWidth=1024\nscreenHeight=768\n";

class RealProgramLoggedOut : public RealProgram, public ::testing::WithParamInterface<size_t> {};

TEST_P(RealProgramLoggedOut, KeepsTheExitSaves)
{
    const Logout& logout = LOGOUTS[GetParam()];
    VirtualDisplay display;
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    writeWholeFile(dataFolder + "/Glimmerdaledemo.cfg", FULL_SCREEN);
    const std::string slow = home.path() + "/slow";
    const std::string log = runOnce(
        {},
        [&] {
            switch (logout.order) {
            case Logout::HANG_UP_FIRST:
                program->signal(SIGHUP);
                std::this_thread::sleep_for(std::chrono::milliseconds(500));
                display.end();
                break;
            case Logout::DISPLAY_FIRST:
                display.end();
                program->signal(SIGHUP);
                break;
            case Logout::AFTER_A_QUIT:
                writeWholeFile(slow, "");
                program->signal(SIGTERM);
                ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(slow + ".flushing"); },
                                    std::chrono::seconds(30)));
                display.end();
                program->signal(SIGHUP);
                break;
            }
        },
        [&] {
            setenv("DISPLAY", display.name().c_str(), 1);
            // Ended by Xlib with its engine still there: no leaks to report.
            addSanitizerOption("detect_leaks=0");
            if (logout.flushSeconds)
                slowDisk(logout.flushSeconds, logout.order == Logout::AFTER_A_QUIT ? slow : "");
        },
        SIGHUP, W_EXITCODE(1, 0));
    EXPECT_NE(log.find("onDisplayLost(): The display was lost; the game saves its files and ends."), std::string::npos)
        << log;
    expectTheExitSaves(dataFolder);
    // Closed or reset by the server, depending on what was still in flight.
    const std::string errors = readWholeFile(errorPath());
    EXPECT_TRUE(errors.find("X connection to " + display.name() + " broken (explicit kill or server shutdown).") !=
                    std::string::npos ||
                errors.find("XIO:  fatal IO error 104 (Connection reset by peer) on X server \"" + display.name()) !=
                    std::string::npos)
        << errors;
    const std::string configuration = readWholeFile(dataFolder + "/Glimmerdaledemo.cfg");
    for (const char* setting : {"bFullScreen=Yes\n", "screenWidth=1024\n", "screenHeight=768\n"})
        EXPECT_NE(configuration.find(setting), std::string::npos) << setting << configuration;
    if (logout.order != Logout::AFTER_A_QUIT)
        return;
    VirtualDisplay next;
    ASSERT_TRUE(next.ready()) << "no display of the test's own";
    start({}, [&] { setenv("DISPLAY", next.name().c_str(), 1); });
    EXPECT_NE(runLog().find("calcClosestMatchParameters(): Requested mode 1024x768, fullscreen."), std::string::npos)
        << runLog();
    EXPECT_TRUE(program->terminate(std::chrono::seconds(60)));
}

INSTANTIATE_TEST_SUITE_P(Logouts, RealProgramLoggedOut, ::testing::Range<size_t>(0, std::size(LOGOUTS)),
                         [](const auto& row) { return testName(LOGOUTS[row.param].what); });

// A quit asked for while a file is flushed to a disk so slow that the
// flush outlasts the grace a request leaves a stuck frame (a new player
// being saved, or a screenshot): the save ends, whole under its name, the
// loop takes the quit, and the exit saves follow.
enum class SlowSave { NEW_PLAYER, SCREENSHOT };

class RealProgramSaving : public RealProgram, public ::testing::WithParamInterface<SlowSave> {};

TEST_P(RealProgramSaving, TakesAQuitAskedDuringASlowSaveOnceTheFileIsOnDisk)
{
    VirtualDisplay display;
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    const std::string slow = home.path() + "/slow";
    runOnce(
        {},
        [&] {
            WindowInput input(display.name());
            ASSERT_TRUE(input.ready());
            writeWholeFile(slow, "");
            if (GetParam() == SlowSave::NEW_PLAYER) {
                nameTheFirstPlayer(input, "Ann");
                ASSERT_TRUE(
                    waitFor([&] { return std::filesystem::exists(slow + ".flushing"); }, std::chrono::seconds(20)));
            } else {
                ASSERT_TRUE(pressPrintUntilFlushing(input, slow)) << "no screenshot was taken";
            }
            program->signal(SIGTERM);
            std::filesystem::remove(slow);
        },
        [&] {
            setenv("DISPLAY", display.name().c_str(), 1);
            slowDisk(14, slow);
        });
    expectTheExitSaves(dataFolder);
    if (GetParam() == SlowSave::SCREENSHOT) {
        EXPECT_GT(std::filesystem::file_size(dataFolder + "/Glimmerdaledemo-0001.jpg"), 4096u);
        return;
    }
    std::vector<unsigned char> roster(ProfileManager::FILE_SIZE);
    load(".pro", roster.data(), roster.size());
    EXPECT_STREQ(reinterpret_cast<const char*>(roster.data() + offsetof(ProfileManager, profiles)), "Ann");
}

INSTANTIATE_TEST_SUITE_P(SlowSaves, RealProgramSaving, ::testing::Values(SlowSave::NEW_PLAYER, SlowSave::SCREENSHOT),
                         [](const auto& row) { return row.param == SlowSave::NEW_PLAYER ? "ANewPlayer" : "AScreenshot"; });

// Website, then Yes, with a browser that the desktop's opener keeps in the
// foreground: once its files are saved the game lets go of its data
// folder, so a new start is not refused, and a request ends it at once.
TEST_F(RealProgram, OnceItsFilesAreSavedItLetsGoWhileTheBrowserOpens)
{
    VirtualDisplay display;
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    const StandInOpener opener(60);
    quitForTheWebsite(display);
    ASSERT_TRUE(waitFor(
        [&] {
            const std::string calls = opener.calls();
            return !calls.empty() && calls.back() == '\n';
        },
        std::chrono::seconds(30)))
        << runLog();
    EXPECT_EQ(opener.calls(), "[" + std::string(ContextMain::WEBSITE_ADDRESS) + "]\n");
    EXPECT_NE(readWholeFile(logPath()).find("~Kiv(): Done. Clean exit."), std::string::npos);
    expectTheExitSaves(dataFolder);

    std::filesystem::remove(logPath());
    StartedProgram second(startProgram(home.path(), {}, home.path() + "/second.err", "",
                                       [&] { setenv("DISPLAY", display.name().c_str(), 1); }));
    EXPECT_TRUE(waitFor([&] { return readWholeFile(logPath()).find("Global initialization complete") != std::string::npos; },
                        std::chrono::seconds(120)))
        << readWholeFile(home.path() + "/second.err");
    EXPECT_TRUE(second.terminate(std::chrono::seconds(60)));
    EXPECT_TRUE(WIFEXITED(second.status()) && WEXITSTATUS(second.status()) == 0) << "status " << second.status();

    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForExit(std::chrono::seconds(5))) << "the request did not end it";
    EXPECT_TRUE(WIFSIGNALED(program->status()) && WTERMSIG(program->status()) == SIGTERM)
        << "status " << program->status();
}

// Website, then Yes, on a disk so slow that the exit saves take a while,
// and a request while they are made: it is kept, and once the last file is
// saved the game ends by it, without starting the web page's opener.
TEST_F(RealProgram, ARequestDuringTheExitSavesEndsTheGameOnceTheyAreDone)
{
    VirtualDisplay display;
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    const StandInOpener opener(120);
    const std::string slow = home.path() + "/slow";
    quitForTheWebsite(display, [&] { slowDisk(1, slow); }, [&] { writeWholeFile(slow, ""); });
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(slow + ".flushing"); }, std::chrono::seconds(30)));
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    program->signal(SIGTERM);
    ASSERT_TRUE(program->waitForExit(std::chrono::seconds(60))) << "the request was forgotten";
    EXPECT_TRUE(WIFSIGNALED(program->status()) && WTERMSIG(program->status()) == SIGTERM)
        << "status " << program->status();
    expectTheExitSaves(dataFolder);
    EXPECT_NE(readWholeFile(logPath()).find("~Kiv(): Done. Clean exit."), std::string::npos);
    EXPECT_EQ(opener.calls(), "");
}

// Termination requests while a start-up step has not come back to the
// loop: the display's connection is slow, or hangs. A request is kept for
// the loop's first pass, and the game ends as a closed window ends it; a
// step that never comes back is ended one grace (10 s) after the first
// request, however many follow.
struct StartUpRequests {
    const char* what;
    // Seconds each connection to the X server takes.
    const char* connectSeconds;
    // Seconds between requests; 0 for a single one.
    int everySeconds;
    bool bEndsCleanly;
};

const StartUpRequests START_UP_REQUESTS[] = {
    {"a request while the display is being connected", "1.5", 0, true},
    {"a request every four seconds while the display's connection hangs", "60", 4, false},
};

class RealProgramStarting : public RealProgram, public ::testing::WithParamInterface<size_t> {};

TEST_P(RealProgramStarting, EndsByTheFirstRequest)
{
    const StartUpRequests& row = START_UP_REQUESTS[GetParam()];
    const std::string begun = home.path() + "/connecting";
    program.emplace(
        startProgram(home.path(), {}, errorPath(), "", [&] { slowDisplay(row.connectSeconds, begun); }));
    ASSERT_TRUE(waitFor([&] { return std::filesystem::exists(begun); }, std::chrono::seconds(60)));
    const auto first = std::chrono::steady_clock::now();
    const auto since = [&] { return std::chrono::duration<double>(std::chrono::steady_clock::now() - first).count(); };
    program->signal(SIGTERM);
    bool bEnded = program->waitForExit(std::chrono::seconds(row.everySeconds ? row.everySeconds : 60));
    while (!bEnded && row.everySeconds && since() < 40) {
        program->signal(SIGTERM);
        bEnded = program->waitForExit(std::chrono::seconds(row.everySeconds));
    }
    ASSERT_TRUE(bEnded) << "requests forgotten for " << since() << " s";
    const int status = program->status();
    if (row.bEndsCleanly) {
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status;
        EXPECT_NE(readWholeFile(dataFolder + "/Glimmerdaledemo.cfg").find("[Kiv]\n"), std::string::npos);
        EXPECT_NE(readWholeFile(logPath()).find("~Kiv(): Done. Clean exit."), std::string::npos) << runLog();
    } else {
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << "status " << status;
        EXPECT_GT(since(), 9.5) << "the grace was cut short";
        EXPECT_LT(since(), 14.0) << "the grace was pushed back by later requests";
    }
}

INSTANTIATE_TEST_SUITE_P(StartUpRequests, RealProgramStarting, ::testing::Range<size_t>(0, std::size(START_UP_REQUESTS)),
                         [](const auto& row) { return testName(START_UP_REQUESTS[row.param].what); });

// A kill while a screenshot is being flushed to a slow disk: after the next
// start no picture is left under a number, empty or partial, and nothing of
// the killed attempt is left at all.
TEST_F(RealProgram, AKillWhileAScreenshotIsWrittenLeavesNoPictureBehind)
{
    VirtualDisplay display;
    ASSERT_TRUE(display.ready()) << "no display of the test's own";
    const std::string slow = home.path() + "/slow";
    start({}, [&] {
        setenv("DISPLAY", display.name().c_str(), 1);
        slowDisk(30, slow);
    });
    WindowInput input(display.name());
    ASSERT_TRUE(input.ready());
    writeWholeFile(slow, "");
    ASSERT_TRUE(pressPrintUntilFlushing(input, slow)) << "no screenshot was taken";
    program->signal(SIGKILL);
    ASSERT_TRUE(program->waitForExit(std::chrono::seconds(10)));
    const auto leftOfTheShot = [&] {
        return std::count_if(std::filesystem::directory_iterator(dataFolder), {}, [](const auto& entry) {
            return entry.path().filename().string().rfind("Glimmerdaledemo-0001.jpg.", 0) == 0;
        });
    };
    ASSERT_EQ(leftOfTheShot(), 1) << "the kill came while another file was flushed";
    std::filesystem::remove(slow);
    start();
    EXPECT_TRUE(program->terminate(std::chrono::seconds(60)));
    for (const auto& entry : std::filesystem::directory_iterator(dataFolder)) {
        EXPECT_NE(entry.path().extension(), ".jpg") << entry.path();
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path();
    }
}

// A data folder that cannot be made (a file stands where a folder of its
// path should be): the program says which and why, and ends before it opens
// a window.
TEST(ProgramStart, ADataFolderThatCannotBeMadeIsNamed)
{
    const TemporaryFolder scratch("kiv-unmade");
    writeWholeFile(scratch.path() + "/file", "");
    const std::string home = scratch.path() + "/file/home", errors = scratch.path() + "/errors";
    StartedProgram program(startProgram(home, {}, errors));
    ASSERT_TRUE(program.waitForExit(std::chrono::seconds(20)));
    EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) == 1) << "status " << program.status();
    EXPECT_EQ(readWholeFile(errors), "Glimmerdaledemo: the data folder '" + home +
                                         "/Glimmerdaledemo/1.30' could not be made (Not a directory); this copy ends.\n");
}

// A video start that fails names first what failed, before the report of
// SDL's failure: the display that cannot be opened (a stale socket where
// its server was, or one that refuses a client without its cookie), that
// DISPLAY is not set or empty, or the driver SDL_VIDEODRIVER names (not the
// display, which works) or that it names none. Xlib's complaint of a
// refused connection is heard once, not once a retry. No other video driver
// is tried: nothing else reaches the output, such as a text-mode driver's
// escape codes.
TEST(ProgramStart, AVideoStartThatFailsNamesWhatFailed)
{
    // A number far above those the tests' servers take, left by a server
    // that ended without removing its socket.
    int number = 3000 + getpid() % 1000;
    while (std::filesystem::exists(formatString("/tmp/.X11-unix/X%d", number)) ||
           std::filesystem::exists(formatString("/tmp/.X%d-lock", number)))
        ++number;
    const std::string stale = formatString("/tmp/.X11-unix/X%d", number), gone = formatString(":%d", number);
    std::filesystem::create_directories("/tmp/.X11-unix");
    const StaleSocketRemoval removal(stale);
    ASSERT_EQ(leaveSocketAt(stale), "");
    const TemporaryFolder cookies("kiv-cookie");
    ASSERT_EQ(writeCookieFile(cookies.path() + "/cookie"), "");
    VirtualDisplay refusing("1024x768x24", {"-auth", cookies.path() + "/cookie"});
    ASSERT_TRUE(refusing.ready()) << "no display of the test's own";
    ASSERT_NE(std::getenv("DISPLAY"), nullptr) << "needs an X server (scripts/test.sh starts Xvfb)";
    const std::string working = std::getenv("DISPLAY");
    const struct {
        std::optional<std::string> display, driver;
        std::string said;
        // Xlib's, heard before the game's line; empty for none.
        std::string complaint;
    } rows[] = {
        {gone, std::nullopt, "The X display '" + gone + "' (named by DISPLAY) could not be opened.\n", ""},
        {std::nullopt, std::nullopt, "No display is named: DISPLAY is not set.\n", ""},
        {"", std::nullopt, "No display is named: DISPLAY is empty.\n", ""},
        {working, "wayland", "The video driver 'wayland' (named by SDL_VIDEODRIVER) could not be started.\n", ""},
        {working, "", "No video driver is named: SDL_VIDEODRIVER is set but empty.\n", ""},
        {refusing.name(), std::nullopt,
         "The X display '" + refusing.name() + "' (named by DISPLAY) could not be opened.\n",
         "Authorization required"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.said);
        const TemporaryFolder scratch("kiv-no-display");
        const std::string output = scratch.path() + "/output";
        StartedProgram program(startProgram(scratch.path(), {}, output, "", [&] {
            for (const auto& [name, value] : {std::pair{"DISPLAY", row.display}, {"SDL_VIDEODRIVER", row.driver}}) {
                if (value)
                    setenv(name, value->c_str(), 1);
                else
                    unsetenv(name);
            }
            // No cookie of the refusing server's.
            setenv("XAUTHORITY", (scratch.path() + "/no-cookies").c_str(), 1);
            dup2(STDERR_FILENO, STDOUT_FILENO);
        }));
        ASSERT_TRUE(program.waitForExit(std::chrono::seconds(30)));
        EXPECT_TRUE(WIFEXITED(program.status()) && WEXITSTATUS(program.status()) == 255)
            << "status " << program.status();
        const std::string said = readWholeFile(output);
        const size_t line =
            said.find("Glimmerdaledemo: " + row.said + "*** ERROR *** Error: Could not start SDL video: ");
        EXPECT_NE(line, std::string::npos) << said;
        if (line == std::string::npos)
            continue;
        if (row.complaint.empty()) {
            EXPECT_EQ(line, 0u) << said;
        } else {
            EXPECT_LT(said.find(row.complaint), line) << said;
            EXPECT_EQ(said.find(row.complaint), said.rfind(row.complaint)) << said;
        }
        EXPECT_EQ(said.find('\x1b'), std::string::npos) << said;
    }
}

// Configuration values out of their working ranges (a frame of hours would
// stall the start-up) are brought in, values that are not wholly a number
// (or an on/off value neither Yes nor No) take their defaults, each is
// logged saying which, the game still reaches its
// menus, and the file keeps the working values. While it runs, a second copy
// on the same data folder is refused before it writes anything. What a
// killed run left of its temporary files is gone.
TEST_F(RealProgram, ClampsHostileSettingsRefusesASecondCopyAndClearsStaleTemporaryFiles)
{
    struct Value {
        const char* section;
        const char* key;
        const char* written;
        const char* problem;
        const char* used;
        // False for a key the game's own settings set again before the end.
        bool bKeptInFile;
    };
    const char* const OUT_OF_RANGE = "is out of its range";
    const Value values[] = {
        {"Kiv", "frameRate", "1e9", OUT_OF_RANGE, "0.04000000", true},
        {"Kiv", "maxFrameDuration", "nan", "is not a number", "0.05000000", true},
        {"KivGraphics", "screenHeight", "-1", OUT_OF_RANGE, "240", false},
        {"KivAudio", "mixBufferDuration", "1e300", OUT_OF_RANGE, "0.50000000", true},
        {"FontQuad", "cacheTTLframes", "2147483647", OUT_OF_RANGE, "10000", true},
        {"KivGraphics", "fovHeight", "1e9", "is not a whole number", "480", true},
        {"Kiv", "debugLevel", "12abc", "is not a number", "0", true},
        {"KivAudio", "bMute", "abc", "is neither Yes nor No", "No", true},
    };
    const std::string config = dataFolder + "/Glimmerdaledemo.cfg";
    std::string text = readWholeFile(config);
    for (const Value& v : values)
        text += std::string("[") + v.section + "]\n" + v.key + "=" + v.written + "\n";
    writeWholeFile(config, text);
    const std::string stale = dataFolder + "/Glimmerdaledemo.pro.4242-0.tmp";
    writeWholeFile(stale, "left by a killed run");

    const std::string log = runOnce({}, [&] {
        std::map<std::string, std::string> before;
        for (const auto& entry : std::filesystem::directory_iterator(dataFolder))
            if (entry.path().filename() != "Glimmerdaledemo.log")
                before[entry.path()] = readWholeFile(entry.path());
        const std::string errors = home.path() + "/second.err";
        StartedProgram second(startProgram(home.path(), {}, errors));
        ASSERT_TRUE(second.waitForExit(std::chrono::seconds(20))) << "the second copy did not end";
        EXPECT_TRUE(WIFEXITED(second.status()) && WEXITSTATUS(second.status()) == 1) << "status " << second.status();
        EXPECT_EQ(readWholeFile(errors), "Glimmerdaledemo is already running with the data folder '" + dataFolder +
                                             "'; this copy ends.\n");
        for (const auto& [path, bytes] : before)
            EXPECT_EQ(readWholeFile(path), bytes) << path;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dataFolder), {}), before.size() + 1);
    });
    EXPECT_EQ(log.find('\0'), std::string::npos) << "one writer of the log";
    EXPECT_EQ(log.find("Kiv(): Starting..."), log.rfind("Kiv(): Starting..."));
    const std::string written = readWholeFile(config);
    for (const Value& v : values) {
        SCOPED_TRACE(v.key);
        EXPECT_NE(log.find(formatString("'%s' in section '%s' %s ('%s'); using %s.", v.key, v.section, v.problem,
                                        v.written, v.used)),
                  std::string::npos);
        if (v.bKeptInFile) {
            const std::string section = std::string("[") + v.section + "]\n";
            const size_t start = written.find(section);
            EXPECT_NE(written.find(std::string("\n") + v.key + "=" + v.used + "\n", start), std::string::npos)
                << written;
        }
    }
    EXPECT_FALSE(std::filesystem::exists(stale));
}
}
}
