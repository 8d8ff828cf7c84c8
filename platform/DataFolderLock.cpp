#include "DataFolderLock.h"

#include "ApplicationInfo.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Locks what descriptor names (closing it unless this process holds it
// now); the outcome, with the reason in words when it is UNAVAILABLE.
DataFolderLock::Result lockDescriptor(int& descriptor, const UString& what, UString& reason)
{
    if (descriptor < 0) {
        reason = formatString("'%s' cannot be opened (%s)", what.c_str(), std::strerror(errno));
        return DataFolderLock::UNAVAILABLE;
    }
    int result;
    do
        result = flock(descriptor, LOCK_EX | LOCK_NB);
    while (result != 0 && errno == EINTR);
    if (result == 0)
        return DataFolderLock::LOCKED;
    const int problem = errno;
    close(descriptor);
    descriptor = -1;
    if (problem == EWOULDBLOCK)
        return DataFolderLock::HELD_ELSEWHERE;
    reason = formatString("'%s' cannot be locked (%s)", what.c_str(), std::strerror(problem));
    return DataFolderLock::UNAVAILABLE;
}

} // namespace

DataFolderLock::~DataFolderLock()
{
    release();
}

void DataFolderLock::release()
{
    for (int* descriptor : {&folderDescriptor, &fileDescriptor})
        if (*descriptor >= 0) {
            close(*descriptor);
            *descriptor = -1;
        }
}

UString DataFolderLock::lockFileName()
{
    return UString(APPLICATION_NAME) + ".lock";
}

DataFolderLock::Result DataFolderLock::acquire(const UString& folder, UString& reason)
{
    release();
    const UString path = folder + "/" + lockFileName();
    // Closed on exec, so that a program started from the game (the web
    // browser) does not keep the folder locked after the game has ended.
    folderDescriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    UString folderReason, fileReason;
    const Result onFolder = lockDescriptor(folderDescriptor, folder, folderReason);
    if (onFolder == HELD_ELSEWHERE)
        return HELD_ELSEWHERE;
    fileDescriptor = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
    const Result onFile = lockDescriptor(fileDescriptor, path, fileReason);
    if (onFile == HELD_ELSEWHERE) {
        release();
        return HELD_ELSEWHERE;
    }
    if (onFolder == LOCKED || onFile == LOCKED)
        return LOCKED;
    reason = folderReason + "; " + fileReason;
    return UNAVAILABLE;
}
