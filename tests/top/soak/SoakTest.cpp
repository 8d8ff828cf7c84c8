// The whole game played for a long time by a seeded random player (see
// RandomPlayer.h) through the real screen stack and the generated data, at a
// fixed dt: menus, options, player screens, the three game modes, vitamins,
// dialogs and the journey map, whatever the player's clicks and keys lead
// to. The run fails on a fatal report, a crash, a sanitizer report, a frame
// that takes more than a second of wall time, or resident memory that keeps
// growing.
//
// The game runs in a child process, watched by the test: a fatal report
// ends a process at once, and only a watcher can still name the seed and the
// frame that led there (and stop a frame that never ends).
//
// 20,000 frames by default (drawn only now and then, to keep it quick);
// longer runs by hand, replayable by seed:
//   GLIMMERDALE_SOAK_FRAMES=200000 ./tests/test_top_soak
//   GLIMMERDALE_SOAK_MINUTES=30 GLIMMERDALE_SOAK_SEED=7 ./tests/test_top_soak
// (with minutes alone the run ends by wall time, not by a frame count).
#include "GameHarness.h"
#include "ProgramRun.h"
#include "RandomPlayer.h"
#include "Reach.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace soaktest {
namespace {

using namespace testsupport;
using Clock = std::chrono::steady_clock;

constexpr long DEFAULT_FRAMES = 20000;
constexpr double SLOWEST_FRAME_SECONDS = 1.0;
// A game that has not got on for this long has hung (a frame still
// running, or the start or the end of the game).
constexpr int HANG_SECONDS = 30;
// Every this many frames one is drawn, so that drawing takes its part in
// the run without dominating its time.
constexpr long DRAW_EVERY = 20;
constexpr long MEMORY_SAMPLE_EVERY = 100;
// Frames of loading and first screens before memory is sampled.
constexpr long MEMORY_WARM_UP = 2000;
constexpr long PROGRESS_EVERY = 10000;
// Fifty frames a second.
constexpr double FRAME_SECONDS = 0.02;

struct Settings {
    unsigned seed = 1;
    long frames = DEFAULT_FRAMES;
    double minutes = 0.0;
};

Settings settingsFromEnvironment()
{
    Settings settings;
    if (const char* seed = std::getenv("GLIMMERDALE_SOAK_SEED"))
        settings.seed = static_cast<unsigned>(std::strtoul(seed, nullptr, 10));
    if (const char* minutes = std::getenv("GLIMMERDALE_SOAK_MINUTES")) {
        settings.minutes = std::strtod(minutes, nullptr);
        settings.frames = 0;
    }
    if (const char* frames = std::getenv("GLIMMERDALE_SOAK_FRAMES"))
        settings.frames = std::strtol(frames, nullptr, 10);
    return settings;
}

// Written by the playing process, read by its watcher.
struct Progress {
    void beat() { lastBeat = Clock::now().time_since_epoch().count(); }
    bool isSilentFor(Clock::duration time) const
    {
        return Clock::now() - Clock::time_point(Clock::duration(lastBeat.load())) > time;
    }

    // The frame in progress, or the last one.
    std::atomic<long> frame{0};
    // When the process last got on (clock ticks): at start, at each frame's
    // start and end, and before the game ends.
    std::atomic<Clock::rep> lastBeat{0};
};

long residentKilobytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The most the process has held resident.
long peakResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string word; status >> word;)
        if (word == "VmHWM:") {
            long kilobytes = 0;
            status >> kilobytes;
            return kilobytes;
        }
    return 0;
}

// Resident memory that keeps growing. The samples taken after the warm-up
// are cut into quarters; memory grows when even the lowest sample of the
// last quarter lies above the highest sample of the second quarter by more
// than a margin. Comparing the last quarter's minimum with an earlier
// maximum lets one-off peaks pass (a screen's pictures, a burst of effects,
// the allocator keeping freed pages), and leaving the first quarter out lets
// the caches that screens fill on their first visit settle; a leak, however
// slow, lifts the whole last quarter above everything before it. Empty when
// memory is steady; else what grew.
std::string memoryGrowth(const std::vector<long>& kilobytes)
{
    const size_t quarter = kilobytes.size() / 4;
    if (quarter < 2)
        return std::string();
    const auto begin = kilobytes.begin();
    const long secondMax = *std::max_element(begin + static_cast<long>(quarter), begin + static_cast<long>(2 * quarter));
    const long lastMin = *std::min_element(begin + static_cast<long>(3 * quarter), kilobytes.end());
    // The margin grows with the process: under AddressSanitizer, whose
    // quarantine of freed blocks makes resident memory swing by tens of
    // megabytes, a process is four times as large as without.
    const long marginKb = 4 * 1024 + secondMax / 20;
    if (lastMin <= secondMax + marginKb)
        return std::string();
    return "resident memory keeps growing: at least " + std::to_string(lastMin / 1024) +
           " MB in the last quarter of the run, at most " + std::to_string(secondMax / 1024) +
           " MB in the second";
}

// The main menu stays on the stack for the whole run; without it the
// program is ending.
bool gameHasEnded(const GameHarness& game)
{
    const ContextManager* stack = game.stack();
    if (!stack || stack->bQuit)
        return true;
    for (const BasicLink* link = stack->pFirstChild; link; link = link->pNext)
        if (dynamic_cast<const ContextMain*>(static_cast<const KivBase*>(link)) && !link->bDead)
            return false;
    return true;
}

// The playing process: true when the run ended without a finding.
bool play(const Settings& settings, Progress& progress)
{
    GameOptions options;
    options.dt = FRAME_SECONDS;
    GameHarness& game = GameHarness::get(options);
    if (::testing::Test::HasFailure())
        return false;
    GameHarness::seed(settings.seed);
    RandomPlayer player(settings.seed);
    Reach reach;
    std::vector<long> memory;
    double slowestFrame = 0.0;
    const Clock::time_point begin = Clock::now();
    const Clock::time_point end =
        begin + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(settings.minutes * 60.0));
    std::string finding;
    long frame = 0;
    for (; finding.empty(); ++frame) {
        if (settings.frames > 0 ? frame >= settings.frames : Clock::now() >= end)
            break;
        progress.frame = frame;
        progress.beat();
        player.act(game);
        game.driver.bDraw = frame % DRAW_EVERY == 0;
        const Clock::time_point start = Clock::now();
        game.step();
        const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
        progress.beat();
        slowestFrame = std::max(slowestFrame, seconds);
        if (seconds > SLOWEST_FRAME_SECONDS)
            finding = "the frame took " + std::to_string(seconds) + " s";
        else if (gameHasEnded(game))
            finding = "the game has ended (the player must never quit)";
        reach.observe(game);
        if (frame >= MEMORY_WARM_UP && frame % MEMORY_SAMPLE_EVERY == 0)
            memory.push_back(residentKilobytes());
        if (frame % PROGRESS_EVERY == 0 && frame > 0) {
            std::printf("soak: frame %ld, %.0f s, %ld MB resident, games %d/%d/%d, houses %d\n", frame,
                        std::chrono::duration<double>(Clock::now() - begin).count(), residentKilobytes() / 1024,
                        reach.games[0], reach.games[1], reach.games[2], reach.housesPlayed);
            std::fflush(stdout);
        }
    }
    if (finding.empty())
        finding = memoryGrowth(memory);
    if (finding.empty() && frame >= DEFAULT_FRAMES)
        finding = reach.shortfall();
    std::printf("soak: seed %u, %ld frames in %.0f s (slowest %.3f s), %d clicks, %d drags, %d keys, "
                "%d focus losses, peak resident %ld MB\n%s\n",
                settings.seed, frame, std::chrono::duration<double>(Clock::now() - begin).count(), slowestFrame,
                player.clicks, player.drags, player.keys, player.absences, peakResidentKilobytes() / 1024,
                reach.report().c_str());
    if (!finding.empty())
        std::printf("soak: seed %u, frame %ld: %s\n", settings.seed, progress.frame.load(), finding.c_str());
    std::fflush(stdout);
    progress.beat();
    GameHarness::shutdown();
    return finding.empty() && !::testing::Test::HasFailure();
}

std::string describeStatus(int status)
{
    if (WIFSIGNALED(status))
        return "ended by signal " + std::to_string(WTERMSIG(status));
    const int code = WEXITSTATUS(status);
    if (code == 255)
        return "ended by a fatal report (above)";
    return "ended with status " + std::to_string(code) + " (the reason is above)";
}

TEST(Soak, MemoryGrowsWhenTheWholeLastQuarterLiesAboveTheSecond)
{
    const struct {
        const char* what;
        long (*kilobytesAt)(int sample);
        bool bGrows;
    } rows[] = {
        {"steady, with peaks", [](int i) { return i % 10 == 0 ? 200000L : 100000L; }, false},
        {"caches filled in the first quarter", [](int i) { return i < 25 ? 80000L : 100000L; }, false},
        {"a leak", [](int i) { return 100000L + i * 1000L; }, true},
        {"a step in the last quarter", [](int i) { return i < 75 ? 100000L : 150000L; }, true},
    };
    for (const auto& row : rows) {
        std::vector<long> samples;
        for (int i = 0; i < 100; ++i)
            samples.push_back(row.kilobytesAt(i));
        EXPECT_EQ(!memoryGrowth(samples).empty(), row.bGrows) << row.what;
    }
}

TEST(Soak, ARandomPlayerRunsTheGameWithoutFatalReportsSlowFramesOrGrowingMemory)
{
    const Settings settings = settingsFromEnvironment();
    std::printf("soak: seed %u (GLIMMERDALE_SOAK_SEED replays it)\n", settings.seed);
    std::fflush(stdout);
    std::fflush(stderr);
    void* shared = mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    Progress* progress = new (shared) Progress();
    progress->beat();
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A watcher stopped by a time-out takes the game with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        std::exit(play(settings, *progress) ? 0 : 1);
    }

    int status = 0;
    std::string hang;
    while (!waitForExit(child, status, std::chrono::seconds(1))) {
        if (progress->isSilentFor(std::chrono::seconds(HANG_SECONDS))) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            hang = "the game has hung for " + std::to_string(HANG_SECONDS) + " s";
            break;
        }
    }
    if (!hang.empty() || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        ADD_FAILURE() << "seed " << settings.seed << ", frame " << progress->frame << ": "
                      << (hang.empty() ? describeStatus(status) : hang);
    munmap(shared, sizeof(Progress));
}

} // namespace
} // namespace soaktest
