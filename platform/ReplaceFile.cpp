#include "ReplaceFile.h"

#include "ProgramEnd.h"
#include "WritableFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr const char* TEMPORARY_SUFFIX = ".tmp";
// Names taken by something else before one is free: far more than a
// folder of the player's own ever holds.
constexpr int MOST_NAME_ATTEMPTS = 64;

UString reasonFor(const char* step, int code)
{
    return formatString("%s (%s)", step, std::strerror(code));
}

UString folderOf(const UString& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? UString("/") : UString(path.substr(0, slash));
}

} // namespace

int createTemporaryFile(const UString& path, UString& temporary)
{
    // The process id keeps writers apart; O_EXCL moves a writer on past a
    // name already taken (by itself on another thread, by a killed process
    // that had the same id, or by anything planted there).
    for (int attempt = 0; attempt < MOST_NAME_ATTEMPTS; ++attempt) {
        temporary = formatString("%s.%d-%d%s", path.c_str(), static_cast<int>(getpid()), attempt, TEMPORARY_SUFFIX);
        const int file = openWritableFile(temporary, TakenName::KEEP);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    errno = EEXIST;
    return -1;
}

namespace {

bool writeAll(int file, const std::vector<unsigned char>& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t count = write(file, bytes.data() + written, bytes.size() - written);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0) {
            if (count == 0)
                errno = EIO;
            return false;
        }
        written += static_cast<size_t>(count);
    }
    return true;
}

// The rename is on disk only once the folder is. A file system that cannot
// flush a folder has already stored the file itself, so that is no failure.
void flushFolder(const UString& folder)
{
    const int descriptor = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return;
    fsync(descriptor);
    close(descriptor);
}

// "<prefix>....<pid>-<n>.tmp", as createTemporaryFile names them.
bool isTemporaryName(const std::string& name, const UString& prefix)
{
    const size_t suffixLength = std::strlen(TEMPORARY_SUFFIX);
    if (name.compare(0, prefix.size(), prefix) != 0 || name.size() < prefix.size() + suffixLength ||
        name.compare(name.size() - suffixLength, suffixLength, TEMPORARY_SUFFIX) != 0)
        return false;
    const std::string stem = name.substr(0, name.size() - suffixLength);
    const size_t dot = stem.rfind('.');
    if (dot == std::string::npos || dot < prefix.size())
        return false;
    const std::string writer = stem.substr(dot + 1);
    unsigned pid = 0, sequence = 0;
    char rest = 0;
    return !writer.empty() && writer.find_first_not_of("0123456789-") == std::string::npos &&
           std::sscanf(writer.c_str(), "%u-%u%c", &pid, &sequence, &rest) == 2;
}

} // namespace

bool writeTemporaryFile(const UString& path, const std::vector<unsigned char>& bytes, const char* cannotCreate,
                        UString& temporary, UString& error)
{
    const int file = createTemporaryFile(path, temporary);
    if (file < 0) {
        error = reasonFor(cannotCreate, errno);
        return false;
    }
    const char* step = "writing failed";
    bool ok = writeAll(file, bytes);
    if (ok && fsync(file) != 0) {
        step = "flushing to disk failed";
        ok = false;
    }
    int problem = ok ? 0 : errno;
    if (close(file) != 0 && ok) {
        step = "closing failed";
        problem = errno;
        ok = false;
    }
    if (!ok) {
        unlink(temporary.c_str());
        error = reasonFor(step, problem);
    }
    return ok;
}

bool replaceFile(const UString& path, const std::vector<unsigned char>& bytes, UString& error)
{
    const ProgramEnd::SaveInProgress saving;
    UString temporary;
    if (!writeTemporaryFile(path, bytes, "the temporary file could not be created", temporary, error))
        return false;
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int problem = errno;
        unlink(temporary.c_str());
        error = reasonFor("the new file could not take its name", problem);
        return false;
    }
    flushFolder(folderOf(path));
    return true;
}

void flushFolderOf(const UString& path)
{
    flushFolder(folderOf(path));
}

int removeStaleTemporaryFiles(const UString& folder, const UString& prefix)
{
    DIR* listing = opendir(folder.c_str());
    if (!listing)
        return 0;
    int removed = 0;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (!isTemporaryName(name, prefix) && !isTemporaryName(name, "crash." + prefix))
            continue;
        // unlink never follows a link and refuses folders.
        const UString path = folder + "/" + name;
        if (unlink(path.c_str()) == 0)
            ++removed;
    }
    closedir(listing);
    return removed;
}
