#include "ProgramEnd.h"

#include "DataFolderLock.h"

#include <atomic>
#include <csignal>
#include <unistd.h>

namespace {

enum Stage { RUNNING, ENDING_AFTER_GRACE, EXIT_SAVES, SAVED };

std::atomic<int> stage{RUNNING};
// The first request the main loop has not taken yet (its signal; 0 for
// none): taken by the loop while it runs, kept through the exit saves.
std::atomic<int> untakenRequest{0};
// The first request of the run, whose grace runs; 0 before any.
std::atomic<int> graceRequest{0};
// Writes of files under way (the player's, a screenshot), on any thread.
std::atomic<int> savesInProgress{0};
// The grace ran out while a file was being written; whichever of the alarm
// and the last write's end takes it back acts on it.
std::atomic<bool> bGraceOver{false};

unsigned graceSeconds = 0;
DataFolderLock* pHeldLock = nullptr;

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the stage is read inside signal handlers");

// Ends the program as the request would have without a handler. Inside the
// request's own handler the signal is blocked until the handler returns,
// and the default action follows then.
void endBy(int request)
{
    std::signal(request, SIG_DFL);
    raise(request);
}

// The request kept for the end of the exit saves ends the program; whoever
// takes it first, its handler or exitSavesDone, does.
void endByKeptRequest()
{
    if (const int kept = untakenRequest.exchange(0))
        endBy(kept);
}

void onTerminationRequest(int request)
{
    int none = 0;
    untakenRequest.compare_exchange_strong(none, request);
    switch (stage.load()) {
    case RUNNING:
        none = 0;
        if (graceRequest.compare_exchange_strong(none, request))
            alarm(graceSeconds);
        break;
    case SAVED:
        endByKeptRequest();
        break;
    default:
        break;
    }
}

void onGraceOver(int)
{
    const int request = graceRequest.load();
    if (request == 0 || stage.load() != RUNNING)
        return;
    bGraceOver = true;
    if (savesInProgress.load() > 0)
        return;
    int running = RUNNING;
    if (bGraceOver.exchange(false) && stage.compare_exchange_strong(running, ENDING_AFTER_GRACE))
        endBy(request);
}

// A request the program was started to ignore stays ignored.
void handleUnlessIgnored(int request)
{
    struct sigaction current;
    if (sigaction(request, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
        return;
    std::signal(request, onTerminationRequest);
}

} // namespace

void ProgramEnd::handleRequests(unsigned grace)
{
    graceSeconds = grace;
    std::signal(SIGALRM, onGraceOver);
    handleUnlessIgnored(SIGTERM);
    handleUnlessIgnored(SIGINT);
    // The terminal the game was started from has been closed: nothing of the
    // player's is to be lost for that.
    handleUnlessIgnored(SIGHUP);
}

void ProgramEnd::holdUntilSaved(DataFolderLock* lock)
{
    pHeldLock = lock;
}

bool ProgramEnd::takeRequest()
{
    return stage.load() == RUNNING && untakenRequest.exchange(0) != 0;
}

void ProgramEnd::beginExitSaves()
{
    int running = RUNNING;
    if (stage.compare_exchange_strong(running, EXIT_SAVES))
        alarm(0);
}

void ProgramEnd::exitSavesDone()
{
    // Let go before requests end the program, so that a new start is never
    // refused by a copy that has saved everything.
    if (pHeldLock)
        pHeldLock->release();
    pHeldLock = nullptr;
    stage = SAVED;
    endByKeptRequest();
}

ProgramEnd::SaveInProgress::SaveInProgress()
{
    ++savesInProgress;
}

ProgramEnd::SaveInProgress::~SaveInProgress()
{
    if (--savesInProgress == 0 && bGraceOver.exchange(false) && stage.load() == RUNNING)
        alarm(graceSeconds);
}
