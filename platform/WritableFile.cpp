#include "WritableFile.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int WRITE_FLAGS = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

} // namespace

int openWritableFile(const UString& path, TakenName taken)
{
    int file = open(path.c_str(), WRITE_FLAGS | (taken == TakenName::KEEP ? O_EXCL : O_TRUNC), 0666);
    // O_NOFOLLOW refuses a link at the name with ELOOP; unlink removes the
    // link itself, never what it points to.
    if (file < 0 && errno == ELOOP && taken == TakenName::REPLACE) {
        if (unlink(path.c_str()) != 0)
            return -1;
        file = open(path.c_str(), WRITE_FLAGS | O_EXCL, 0666);
    }
    // Not waiting was only for the opening; writes to a pipe that has a
    // reader may wait as usual.
    if (file >= 0)
        fcntl(file, F_SETFL, fcntl(file, F_GETFL) & ~O_NONBLOCK);
    return file;
}

FILE* openWritableStream(const UString& path, TakenName taken)
{
    const int file = openWritableFile(path, taken);
    if (file < 0)
        return nullptr;
    FILE* stream = fdopen(file, "wb");
    if (!stream) {
        const int problem = errno;
        close(file);
        errno = problem;
    }
    return stream;
}
