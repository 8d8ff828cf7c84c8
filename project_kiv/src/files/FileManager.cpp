#include "FileManager.h"

#include "DiskInputFile.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivObserver.h"
#include "Logger.h"
#include "MemoryInputFile.h"
#include "PackedFile.h"
#include "PlayerFile.h"
#include "ReplaceFile.h"
#include "WadArchive.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

UString withoutDotSlash(const UString& name)
{
    size_t start = 0;
    while (name.compare(start, 2, "./") == 0)
        start += 2;
    return start ? UString(name.substr(start)) : name;
}

bool isRegularFile(const UString& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

} // namespace

FileManager::FileManager()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

FileManager::~FileManager() = default;

bool FileManager::useWad(const UString& archiveName)
{
    // Opened once here first so that a missing archive, one that cannot be
    // read and a damaged one each get their own report.
    const int probe = ::open(archiveName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0) {
        if (errno == ENOENT) {
            KIV_LOG("Archive '%s' not found.", archiveName.c_str());
            return false;
        }
        KIV_ERROR("Archive '%s' cannot be read: %s.", archiveName.c_str(), std::strerror(errno));
    }
    close(probe);
    UString error;
    std::unique_ptr<WadArchive> archive = WadArchive::openFile(archiveName, error);
    if (!archive)
        KIV_ERROR("Archive '%s' is damaged: %s.", archiveName.c_str(), error.c_str());
    KIV_LOG("Using archive '%s' (%zu files).", archiveName.c_str(), archive->getEntryCount());
    pArchive = std::move(archive);
    return true;
}

bool FileManager::exists(const UString& name) const
{
    UString path = withoutDotSlash(name);
    if (pArchive)
        return pArchive->contains(path);
    return isRegularFile(path) && access(path.c_str(), R_OK) == 0;
}

std::unique_ptr<InputFile> FileManager::open(const UString& name) const
{
    UString path = withoutDotSlash(name);
    if (!pArchive)
        return isRegularFile(path) ? DiskInputFile::open(path) : nullptr;
    if (!pArchive->contains(path))
        return nullptr;
    std::vector<unsigned char> bytes;
    UString error;
    if (!pArchive->readEntry(path, bytes, error))
        KIV_ERROR("Archive '%s' is damaged: %s.", pArchive->getName().c_str(), error.c_str());
    return std::make_unique<MemoryInputFile>(std::move(bytes));
}

std::unique_ptr<InputFile> FileManager::openDataFile(const UString& name)
{
    if (pKiv && pKiv->pFileManager)
        return pKiv->pFileManager->open(name);
    UString path = withoutDotSlash(name);
    return isRegularFile(path) ? DiskInputFile::open(path) : nullptr;
}

UString FileManager::describeDataFile(const UString& name)
{
    const WadArchive* archive = pKiv && pKiv->pFileManager ? pKiv->pFileManager->getArchive() : nullptr;
    if (!archive)
        return formatString("'%s'", name.c_str());
    return formatString("'%s' in the archive '%s'", name.c_str(), archive->getName().c_str());
}

bool FileManager::savePackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                                 const void* data, size_t size, UString* reason)
{
    if (size == 0)
        return true;
    const UString path = folder + "/" + fileName;
    UString error;
    if (mayReplace(path, error)) {
        const std::vector<unsigned char> bytes = PackedFile::pack(fileName, versionText, data, size);
        if (replaceFile(path, bytes, error)) {
            if (pKiv && pKiv->pObserver)
                pKiv->pObserver->onFileSaved(fileName, data, size);
            return true;
        }
    }
    KIV_REPORT("Could not save '%s': %s.", path.c_str(), error.c_str());
    if (reason)
        *reason = error;
    return false;
}

bool FileManager::loadPackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                                 void* buffer, size_t size)
{
    if (size == 0)
        return true;
    const UString path = folder + "/" + fileName;
    std::vector<unsigned char> bytes;
    UString reason;
    switch (readPlayerFile(path, PackedFile::maxContainerSize(size), bytes, reason)) {
    case PlayerFileRead::MISSING:
        return false;
    case PlayerFileRead::DAMAGED:
        keepDamaged(path, reason);
        return false;
    case PlayerFileRead::UNREADABLE:
        leaveUnread(path, reason);
        return false;
    case PlayerFileRead::READ:
        break;
    }
    if (PackedFile::unpack(bytes.data(), bytes.size(), fileName, versionText, buffer, size, reason))
        return true;
    keepDamaged(path, reason);
    return false;
}

void FileManager::keepDamaged(const UString& path, const UString& reason)
{
    UString kept, error;
    if (keepDamagedFile(path, kept, error)) {
        KIV_LOG("Kept '%s' as '%s': %s.", path.c_str(), kept.c_str(), reason.c_str());
        return;
    }
    unreplaceable[path] = "the damaged file there could not be kept aside";
    KIV_REPORT("Could not keep '%s' aside (%s): %s; it will not be replaced.", path.c_str(), error.c_str(),
               reason.c_str());
}

void FileManager::leaveUnread(const UString& path, const UString& reason)
{
    unreplaceable[path] = "the file there could not be read";
    KIV_REPORT("Could not read '%s': %s; it is left as it is and will not be replaced.", path.c_str(),
               reason.c_str());
}

bool FileManager::mayReplace(const UString& path, UString& why) const
{
    const auto found = unreplaceable.find(path);
    if (found == unreplaceable.end())
        return true;
    why = found->second;
    return false;
}
