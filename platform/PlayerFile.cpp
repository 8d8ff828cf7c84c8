#include "PlayerFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Numbered copies tried when something else holds the damaged file's name.
constexpr int MOST_NUMBERED_COPIES = 99;

class Descriptor {
public:
    explicit Descriptor(int value) : descriptor(value) {}
    ~Descriptor()
    {
        if (descriptor >= 0)
            close(descriptor);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    const int descriptor;
};

} // namespace

PlayerFileRead readPlayerFile(const UString& path, size_t maxSize, std::vector<unsigned char>& bytes, UString& reason)
{
    // What is at the name decides, before anything is opened: only a regular
    // file can be the game's, and only its opening or reading can fail for
    // reasons that say nothing of its content. A socket or a device might
    // not open at all, a device might act on being opened, and a pipe might
    // wait for a writer.
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return PlayerFileRead::MISSING;
        reason = formatString("it cannot be looked at (%s)", std::strerror(errno));
        return PlayerFileRead::UNREADABLE;
    }
    if (S_ISLNK(info.st_mode) && stat(path.c_str(), &info) != 0) {
        const int problem = errno;
        reason = formatString("it is a link that cannot be followed (%s)", std::strerror(problem));
        return problem == ENOENT || problem == ENOTDIR || problem == ELOOP ? PlayerFileRead::DAMAGED
                                                                           : PlayerFileRead::UNREADABLE;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "it is not a regular file";
        return PlayerFileRead::DAMAGED;
    }
    // Non-blocking and never a controlling terminal, should something else
    // have taken the file's place since it was looked at; the descriptor's
    // own type is what counts.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.descriptor < 0) {
        reason = formatString("it cannot be opened (%s)", std::strerror(errno));
        return PlayerFileRead::UNREADABLE;
    }
    if (fstat(file.descriptor, &info) != 0) {
        reason = formatString("it cannot be looked at (%s)", std::strerror(errno));
        return PlayerFileRead::UNREADABLE;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = "it is not a regular file";
        return PlayerFileRead::DAMAGED;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        reason = formatString("it is larger than %zu bytes", maxSize);
        return PlayerFileRead::DAMAGED;
    }
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t count = read(file.descriptor, bytes.data() + got, bytes.size() - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            reason = count < 0 ? formatString("it cannot be read (%s)", std::strerror(errno))
                               : UString("it became shorter while it was read");
            bytes.clear();
            return PlayerFileRead::UNREADABLE;
        }
        got += static_cast<size_t>(count);
    }
    return PlayerFileRead::READ;
}

UString damagedFileName(const UString& path)
{
    return path + ".damaged";
}

bool keepDamagedFile(const UString& path, UString& keptAs, UString& error)
{
    // An older damaged copy (a regular file, as the game keeps them) gives
    // way to the newer one; anything else at that name is not the game's
    // to remove, and the file goes to the first free numbered name instead.
    struct stat info;
    const bool bFolder = lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
    for (int number = 0; number <= MOST_NUMBERED_COPIES; ++number) {
        keptAs = number == 0 ? damagedFileName(path) : formatString("%s.%d", damagedFileName(path).c_str(), number);
        if (lstat(keptAs.c_str(), &info) == 0) {
            if (!S_ISREG(info.st_mode))
                continue;
            // rename replaces a file by a file only.
            if (bFolder)
                unlink(keptAs.c_str());
        }
        if (std::rename(path.c_str(), keptAs.c_str()) == 0)
            return true;
        error = std::strerror(errno);
        return false;
    }
    error = formatString("no free name beside '%s'", damagedFileName(path).c_str());
    return false;
}
