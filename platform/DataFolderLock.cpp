#include "DataFolderLock.h"

#include "ApplicationInfo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

DataFolderLock::~DataFolderLock()
{
    if (descriptor >= 0)
        close(descriptor);
}

UString DataFolderLock::lockFileName()
{
    return UString(APPLICATION_NAME) + ".lock";
}

DataFolderLock::Result DataFolderLock::acquire(const UString& folder, UString& reason)
{
    const UString path = folder + "/" + lockFileName();
    // Closed on exec, so that a program started from the game (the web
    // browser) does not keep the folder locked after the game has ended.
    const int file = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (file < 0) {
        reason = formatString("'%s' cannot be opened (%s)", path.c_str(), std::strerror(errno));
        return UNAVAILABLE;
    }
    int result;
    do
        result = flock(file, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result != 0) {
        const int problem = errno;
        close(file);
        if (problem == EWOULDBLOCK)
            return HELD_ELSEWHERE;
        reason = formatString("'%s' cannot be locked (%s)", path.c_str(), std::strerror(problem));
        return UNAVAILABLE;
    }
    if (descriptor >= 0)
        close(descriptor);
    descriptor = file;
    return LOCKED;
}
