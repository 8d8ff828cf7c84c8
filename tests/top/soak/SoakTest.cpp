// The whole game played for a long time by a seeded random player (see
// RandomPlayer.h) through the real screen stack and the generated data, at a
// fixed dt: menus, options, player screens, the three game modes, dialogs,
// whatever the player's clicks and keys lead to. The run fails on a fatal
// report, a crash, a sanitizer report, a frame that takes more than a second
// of wall time, or resident memory that keeps growing; a run of the full
// length fails too when the player did not start a game of every mode.
//
// The game runs in a child process that the test watches: a fatal report
// ends a process at once, and only a watcher can still name the seed and the
// frame that led there. A frame that never ends is stopped by an alarm.
//
// 20,000 frames by default (drawn only now and then, to keep it quick);
// longer runs by hand, replayable by seed:
//   GLIMMERDALE_SOAK_FRAMES=1000000 GLIMMERDALE_SOAK_SEED=7 ./tests/test_top_soak
//   GLIMMERDALE_SOAK_MINUTES=30 ./tests/test_top_soak
// (with minutes alone the run ends by wall time, not by a frame count).
#include "GameHarness.h"
#include "RandomPlayer.h"

#include <chrono>
#include <limits>
#include <sys/mman.h>
#include <sys/prctl.h>
#include <time.h>

namespace soaktest {
namespace {

using namespace testsupport;
using Clock = std::chrono::steady_clock;

constexpr long DEFAULT_FRAMES = 20000;
// Of the playing thread's own processor time, which other programs on a
// busy machine do not stretch as they stretch the clock.
constexpr double SLOWEST_FRAME_SECONDS = 1.0;
// A frame still running after this long has hung.
constexpr unsigned HANG_SECONDS = 30;
// Every this many frames one is drawn, so that drawing takes its part in
// the run without dominating its time.
constexpr long DRAW_EVERY = 20;
constexpr long MEMORY_SAMPLE_EVERY = 100;
// Frames of loading and first screens before memory is sampled.
constexpr long MEMORY_WARM_UP = 2000;
constexpr long PROGRESS_EVERY = 100000;

// A number from the environment, or the default when it is not set.
double fromEnvironment(const char* name, double defaultValue)
{
    const char* value = std::getenv(name);
    return value ? std::strtod(value, nullptr) : defaultValue;
}

double threadSeconds()
{
    timespec now = {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + now.tv_nsec * 1e-9;
}

long residentKilobytes()
{
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
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
    const long quarter = static_cast<long>(kilobytes.size() / 4);
    if (quarter < 2)
        return "";
    const long secondMax = *std::max_element(kilobytes.begin() + quarter, kilobytes.begin() + 2 * quarter);
    const long lastMin = *std::min_element(kilobytes.begin() + 3 * quarter, kilobytes.end());
    // The margin grows with the process: under AddressSanitizer, whose
    // quarantine of freed blocks makes resident memory swing by tens of
    // megabytes, a process is four times as large as without.
    if (lastMin <= secondMax + 4 * 1024 + secondMax / 20)
        return "";
    return "resident memory keeps growing: at least " + std::to_string(lastMin / 1024) +
           " MB in the last quarter of the run, at most " + std::to_string(secondMax / 1024) + " MB in the second";
}

// The playing process: true when the run of so many frames, or minutes when
// above zero, ended without a finding. The frame in progress is kept in the
// watcher's view.
bool play(unsigned seed, double frames, double minutes, std::atomic<long>& frame)
{
    GameHarness& game = GameHarness::get(0.02);
    const Reference menu(game.mainMenu());
    if (!menu.get())
        return false;
    GameHarness::seed(seed);
    RandomPlayer player(seed);
    // Games started in each mode.
    int games[3] = {};
    Reference lastGame;
    std::vector<long> memory;
    std::string finding;
    const Clock::time_point begin = Clock::now();
    const Clock::time_point end = minutes > 0 ? begin + std::chrono::duration_cast<Clock::duration>(
                                                            std::chrono::duration<double>(minutes * 60.0))
                                              : Clock::time_point::max();
    long n = 0;
    for (; n < frames && Clock::now() < end && finding.empty(); ++n) {
        frame = n;
        alarm(HANG_SECONDS);
        player.act(game);
        game.stepped.bDraw = n % DRAW_EVERY == 0;
        const double start = threadSeconds();
        game.step();
        const double seconds = threadSeconds() - start;
        if (seconds > SLOWEST_FRAME_SECONDS)
            finding = "the frame took " + std::to_string(seconds) + " s";
        // The main menu stays for the whole run: the player must never quit.
        if (!pGlobal || game.stack()->bQuit || menu.get()->getParent() != game.stack())
            finding = "the game has ended (the player must never quit)";
        else if (GameController* current = game.currentGame(); current && current != lastGame.get()) {
            lastGame.set(current);
            ++games[current->modeIndex];
        }
        if (n >= MEMORY_WARM_UP && n % MEMORY_SAMPLE_EVERY == 0)
            memory.push_back(residentKilobytes());
        if (n % PROGRESS_EVERY == 0 && n > 0)
            std::printf("soak: frame %ld, %ld MB resident\n", n, residentKilobytes() / 1024);
    }
    alarm(0);
    if (finding.empty())
        finding = memoryGrowth(memory);
    if (finding.empty() && n >= DEFAULT_FRAMES && *std::min_element(games, games + 3) == 0)
        finding = "the player did not start a game of every mode";
    std::printf("soak: %ld frames in %.1f s, games started: action %d, quest %d, puzzle %d\n%s\n", n,
                std::chrono::duration<double>(Clock::now() - begin).count(), games[0], games[1], games[2],
                finding.c_str());
    std::fflush(stdout);
    GameHarness::shutdown();
    return finding.empty() && !::testing::Test::HasFailure();
}

TEST(Soak, ARandomPlayerRunsTheGameWithoutFatalReportsSlowFramesOrGrowingMemory)
{
    const unsigned seed = static_cast<unsigned>(fromEnvironment("GLIMMERDALE_SOAK_SEED", 1));
    std::fflush(stdout);
    void* shared = mmap(nullptr, sizeof(std::atomic<long>), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    std::atomic<long>& frame = *new (shared) std::atomic<long>(-1);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // A watcher stopped by a time-out takes the game with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        const double minutes = fromEnvironment("GLIMMERDALE_SOAK_MINUTES", 0.0);
        const double frames = fromEnvironment("GLIMMERDALE_SOAK_FRAMES",
                                              minutes > 0 ? std::numeric_limits<double>::infinity() : DEFAULT_FRAMES);
        std::exit(play(seed, frames, minutes, frame) ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    const std::string why = code == 255        ? "a fatal report (above)"
                            : code == -SIGALRM ? "still running after " + std::to_string(HANG_SECONDS) + " s"
                            : code < 0         ? "ended by signal " + std::to_string(-code)
                                               : "the finding above";
    EXPECT_EQ(code, 0) << "seed " << seed << " (GLIMMERDALE_SOAK_SEED replays it), frame " << frame << ": " << why;
    munmap(shared, sizeof(std::atomic<long>));
}

} // namespace
} // namespace soaktest
