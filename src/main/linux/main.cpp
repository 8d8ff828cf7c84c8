// Linux start-up glue: prepares the process the way the desktop would and
// hands control to the program's main loop entry.
#include "AllocatorSettings.h"
#include "ApplicationInfo.h"
#include "DataFolder.h"
#include "DataFolderLock.h"
#include "ErrorManager.h"
#include "ProgramEnd.h"
#include "ReplaceFile.h"
#include "UString.h"
#include "WMhooks.h"


#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace {

// Seconds a termination request leaves the program to end cleanly.
constexpr unsigned TERMINATION_GRACE_SECONDS = 10;

// Started with standard input, output or error closed, the program's own
// files would take those numbers (the first being the lock file) and
// receive whatever is printed there: each closed one is opened on /dev/null
// before anything else is. False when one could not be.
bool openClosedStandardDescriptors()
{
    for (int descriptor = STDIN_FILENO; descriptor <= STDERR_FILENO; ++descriptor) {
        if (fcntl(descriptor, F_GETFD) >= 0 || errno != EBADF)
            continue;
        // The lower ones are open by now, so the closed one is the lowest
        // free number, the one open() hands out.
        const int opened = open("/dev/null", O_RDWR);
        if (opened != descriptor) {
            if (opened >= 0)
                close(opened);
            return false;
        }
    }
    return true;
}

bool hasDataHere()
{
    return access(dataArchiveName().c_str(), R_OK) == 0 || access("gfx", R_OK) == 0;
}

// Started from elsewhere (a file manager, a shell in another folder), the
// game looks for its data in the "data" folder beside the executable.
void enterDataFolder()
{
    if (hasDataHere())
        return;
    char executable[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", executable, sizeof(executable) - 1);
    if (length <= 0)
        return;
    executable[length] = '\0';
    UString folder(executable);
    folder = folder.substr(0, folder.rfind('/')) + "/data";
    if (chdir(folder.c_str()) != 0)
        return;
}

// Under a file-size limit a write past it would end the program at once,
// with nothing saved or said, and so would a write to a pipe whose reader
// has quit (standard error piped into a pager or `head`). Ignored, the
// signals leave a failed write (EFBIG, EPIPE), which the log and the saves
// already handle like a full disk.
void ignoreWriteFailureSignals()
{
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
}

} // namespace

int main(int argc, char* argv[])
{
    ignoreWriteFailureSignals();
    if (!openClosedStandardDescriptors()) {
        std::fprintf(stderr, "%s: a closed standard input, output or error could not be opened on /dev/null (%s); "
                             "this copy ends.\n",
                     APPLICATION_NAME, std::strerror(errno));
        return 1;
    }
    applyAllocatorSettings();
    makeFailedAllocationsFatal();
    // The desktop may add a process serial number argument; it is not ours.
    std::vector<char*> arguments(argv, argv + argc);
    if (arguments.size() > 1 && std::strncmp(arguments[1], "-psn", 4) == 0)
        arguments.erase(arguments.begin() + 1);
    arguments.push_back(nullptr);

    // One copy per data folder: a second one would overwrite the first's
    // players and scores, so it leaves before it writes or shows anything;
    // and so does a copy that cannot tell whether another one runs. The
    // folder is settled before the working folder changes, so that a
    // relative one is the same for the lock and for every file.
    UString failure;
    const UString dataFolder = settleDataFolder(failure);
    if (dataFolder.empty() || !failure.empty()) {
        if (dataFolder.empty())
            std::fprintf(stderr, "%s: %s, so its data folder cannot be made; this copy ends.\n", APPLICATION_NAME,
                         failure.c_str());
        else
            std::fprintf(stderr, "%s: the data folder '%s' could not be made (%s); this copy ends.\n",
                         APPLICATION_NAME, dataFolder.c_str(), failure.c_str());
        return 1;
    }
    DataFolderLock lock;
    UString reason;
    switch (lock.acquire(dataFolder, reason)) {
    case DataFolderLock::HELD_ELSEWHERE:
        std::fprintf(stderr, "%s is already running with the data folder '%s'; this copy ends.\n", APPLICATION_NAME,
                     dataFolder.c_str());
        return 1;
    case DataFolderLock::UNAVAILABLE:
        std::fprintf(stderr,
                     "%s: the data folder '%s' cannot be locked against a second copy (%s); this copy ends.\n",
                     APPLICATION_NAME, dataFolder.c_str(), reason.c_str());
        return 1;
    case DataFolderLock::LOCKED:
        // Only the folder's one writer may take what killed runs left.
        removeStaleTemporaryFiles(dataFolder, APPLICATION_NAME);
        break;
    }

    ProgramEnd::holdUntilSaved(&lock);
    ProgramEnd::handleRequests(TERMINATION_GRACE_SECONDS);
    enterDataFolder();
    return SDL_main(static_cast<int>(arguments.size() - 1), arguments.data());
}
