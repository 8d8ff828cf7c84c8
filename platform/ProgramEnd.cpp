#include "ProgramEnd.h"

#include "DataFolderLock.h"

#include <atomic>
#include <csignal>
#include <unistd.h>

namespace {

enum Stage { RUNNING, ENDING_AFTER_GRACE, EXIT_SAVES, SAVED };

std::atomic<int> stage{RUNNING};
// Writes of player files under way, on any thread.
std::atomic<int> savesInProgress{0};
// The grace ran out while a file was being written; whichever of the alarm
// and the last write's end takes it back acts on it.
std::atomic<bool> bGraceOver{false};
// The request whose grace runs: it ends the program when the grace is over.
std::atomic<int> pendingRequest{0};

void (*askLoopToQuit)() = nullptr;
unsigned graceSeconds = 0;
DataFolderLock* pHeldLock = nullptr;

static_assert(std::atomic<int>::is_always_lock_free && std::atomic<bool>::is_always_lock_free,
              "the stage is read inside signal handlers");

// Ends the program as the request would have without a handler.
void endBy(int request)
{
    std::signal(request, SIG_DFL);
    raise(request);
}

void onTerminationRequest(int request)
{
    switch (stage.load()) {
    case RUNNING:
        pendingRequest = request;
        if (askLoopToQuit)
            askLoopToQuit();
        alarm(graceSeconds);
        break;
    case SAVED:
        endBy(request);
        break;
    default:
        break;
    }
}

void onGraceOver(int)
{
    const int request = pendingRequest.load();
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

void ProgramEnd::handleRequests(void (*askToQuit)(), unsigned grace)
{
    askLoopToQuit = askToQuit;
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
