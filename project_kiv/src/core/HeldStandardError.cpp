#include "HeldStandardError.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// Whatever fails here has nowhere left to be told.
void copyToStandardError(int file)
{
    char part[4096];
    off_t at = 0;
    for (;;) {
        const ssize_t count = pread(file, part, sizeof(part), at);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return;
        at += count;
        for (ssize_t written = 0; written < count;) {
            const ssize_t now = write(STDERR_FILENO, part + written, static_cast<size_t>(count - written));
            if (now < 0 && errno == EINTR)
                continue;
            if (now <= 0)
                return;
            written += now;
        }
    }
}

} // namespace

HeldStandardError::HeldStandardError()
{
    // The file has no name, so nothing can be found or linked at one.
    FILE* file = std::tmpfile();
    if (!file)
        return;
    heldFile = fcntl(fileno(file), F_DUPFD_CLOEXEC, 0);
    std::fclose(file);
    if (heldFile < 0)
        return;
    std::fflush(stderr);
    standardError = fcntl(STDERR_FILENO, F_DUPFD_CLOEXEC, 0);
    if (standardError < 0 || dup2(heldFile, STDERR_FILENO) < 0) {
        if (standardError >= 0)
            close(standardError);
        close(heldFile);
        heldFile = standardError = -1;
    }
}

HeldStandardError::~HeldStandardError()
{
    end(true);
}

void HeldStandardError::end(bool bPassOn)
{
    if (heldFile < 0)
        return;
    std::fflush(stderr);
    dup2(standardError, STDERR_FILENO);
    close(standardError);
    if (bPassOn)
        copyToStandardError(heldFile);
    close(heldFile);
    heldFile = standardError = -1;
}
