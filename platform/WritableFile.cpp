#include "WritableFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int WRITE_FLAGS = O_WRONLY | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// Closes a file after a step on it failed, keeping that step's errno for
// the caller. Always -1.
int closeAfterFailure(int file)
{
    const int problem = errno;
    close(file);
    errno = problem;
    return -1;
}

// Removes what is at the name (a link itself, never what it points to;
// unlink refuses folders) and makes a new file there.
int replaceName(const UString& path)
{
    if (unlink(path.c_str()) != 0)
        return -1;
    return open(path.c_str(), WRITE_FLAGS | O_EXCL, 0666);
}

// Opens what is at the name for replacing its contents: emptied in place
// when the name alone leads to it, made anew when a link is at the name or
// another name is linked to the same file, whose contents must stay as
// they are.
int openForReplacing(const UString& path)
{
    // O_NOFOLLOW refuses a symbolic link at the name with ELOOP. No O_TRUNC:
    // the file may be another name's too.
    int file = open(path.c_str(), WRITE_FLAGS, 0666);
    if (file < 0 && errno == ELOOP)
        return replaceName(path);
    if (file < 0 && (errno == EACCES || errno == EPERM)) {
        // A file this user may not write, such as one left by a run as
        // another user, goes when the folder lets it; when it does not, the
        // reason to give is the file's own.
        const int problem = errno;
        file = replaceName(path);
        if (file < 0)
            errno = problem;
        return file;
    }
    if (file < 0)
        return -1;
    struct stat info;
    if (fstat(file, &info) != 0)
        return closeAfterFailure(file);
    // Pipes and devices have no contents to empty.
    if (!S_ISREG(info.st_mode))
        return file;
    if (info.st_nlink > 1) {
        close(file);
        return replaceName(path);
    }
    if (ftruncate(file, 0) != 0)
        return closeAfterFailure(file);
    return file;
}

} // namespace

int openWritableFile(const UString& path, TakenName taken)
{
    const int file = taken == TakenName::KEEP ? open(path.c_str(), WRITE_FLAGS | O_EXCL, 0666) : openForReplacing(path);
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
    if (!stream)
        closeAfterFailure(file);
    return stream;
}
