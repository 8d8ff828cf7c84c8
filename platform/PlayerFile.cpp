#include "PlayerFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <system_error>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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
    struct stat info;
    if (lstat(path.c_str(), &info) != 0) {
        if (errno == ENOENT)
            return PlayerFileRead::MISSING;
        reason = formatString("it cannot be looked at (%s)", std::strerror(errno));
        return PlayerFileRead::FAILED;
    }
    // Non-blocking, so that a pipe put in the file's place cannot stall the
    // start-up; the descriptor's own type is what counts.
    const Descriptor file(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.descriptor < 0) {
        reason = formatString("it cannot be opened (%s)", std::strerror(errno));
        return PlayerFileRead::FAILED;
    }
    if (fstat(file.descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = "it is not a regular file";
        return PlayerFileRead::FAILED;
    }
    if (static_cast<unsigned long long>(info.st_size) > maxSize) {
        reason = formatString("it is larger than %zu bytes", maxSize);
        return PlayerFileRead::FAILED;
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
            return PlayerFileRead::FAILED;
        }
        got += static_cast<size_t>(count);
    }
    return PlayerFileRead::READ;
}

UString damagedFileName(const UString& path)
{
    return path + ".damaged";
}

bool keepDamagedFile(const UString& path, UString& error)
{
    const UString kept = damagedFileName(path);
    if (std::rename(path.c_str(), kept.c_str()) == 0)
        return true;
    // rename replaces an older file of the same kind by itself; a folder
    // and a file (or a folder that is not empty) stand in each other's way.
    const int problem = errno;
    std::error_code removed;
    if ((problem == EISDIR || problem == ENOTDIR || problem == ENOTEMPTY || problem == EEXIST) &&
        std::filesystem::remove_all(kept.c_str(), removed) > 0 && std::rename(path.c_str(), kept.c_str()) == 0)
        return true;
    error = std::strerror(problem);
    return false;
}
