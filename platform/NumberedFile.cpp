#include "NumberedFile.h"

#include "ProgramEnd.h"
#include "ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int FIRST_NUMBER = 1;
constexpr int LAST_NUMBER = 9999;

UString numberedName(const UString& prefix, int number, const UString& suffix)
{
    return formatString("%s%04d%s", prefix.c_str(), number, suffix.c_str());
}

// From number on, the first name nothing has; 0 when there is none.
int firstFreeNumber(const UString& prefix, const UString& suffix, int number)
{
    for (; number <= LAST_NUMBER; ++number) {
        struct stat existing;
        if (lstat(numberedName(prefix, number, suffix).c_str(), &existing) != 0)
            return number;
    }
    return 0;
}

} // namespace

UString firstFreeNumberedName(const UString& prefix, const UString& suffix)
{
    const int number = firstFreeNumber(prefix, suffix, FIRST_NUMBER);
    return number ? numberedName(prefix, number, suffix) : UString();
}

bool writeNumberedFile(const UString& prefix, const UString& suffix, const std::vector<unsigned char>& bytes,
                       UString& name, UString& error)
{
    const ProgramEnd::SaveInProgress saving;
    int number = firstFreeNumber(prefix, suffix, FIRST_NUMBER);
    name = number ? numberedName(prefix, number, suffix) : UString();
    UString temporary;
    if (!number) {
        error = "every name is taken";
        return false;
    }
    if (!writeTemporaryFile(name, bytes, "the file could not be opened", temporary, error))
        return false;
    // A name another writer takes meanwhile is passed over, the file kept.
    for (; number; number = firstFreeNumber(prefix, suffix, number + 1)) {
        name = numberedName(prefix, number, suffix);
        if (renameWithoutReplacing(temporary, name)) {
            flushFolderOf(name);
            return true;
        }
        if (errno != EEXIST) {
            const int problem = errno;
            unlink(temporary.c_str());
            error = formatString("the new file could not take its name (%s)", std::strerror(problem));
            return false;
        }
    }
    unlink(temporary.c_str());
    name.clear();
    error = "every name is taken";
    return false;
}

bool renameWithoutReplacing(const UString& temporary, const UString& path)
{
    if (renameat2(AT_FDCWD, temporary.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    // A file system that cannot rename so (NFS), or a sandbox that refuses
    // the call, may still make a second name, which fails on anything at
    // it; the temporary one then goes.
    if (link(temporary.c_str(), path.c_str()) == 0) {
        unlink(temporary.c_str());
        return true;
    }
    if (errno == EEXIST)
        return false;
    // Neither is offered (some FUSE mounts): a plain rename onto a name
    // found free, which no other writer can take meanwhile in a folder this
    // process alone writes to.
    struct stat existing;
    if (lstat(path.c_str(), &existing) == 0) {
        errno = EEXIST;
        return false;
    }
    if (errno != ENOENT)
        return false;
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}
