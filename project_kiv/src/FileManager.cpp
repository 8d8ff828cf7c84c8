#include "FileManager.h"

#include "DiskInputFile.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "Logger.h"
#include "MemoryInputFile.h"
#include "PackedFile.h"
#include "ReplaceFile.h"
#include "WadArchive.h"

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
    if (!isRegularFile(archiveName)) {
        KIV_LOG("Archive '%s' not found.", archiveName.c_str());
        return false;
    }
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

void FileManager::savePackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                                 const void* data, size_t size)
{
    if (size == 0)
        return;
    const std::vector<unsigned char> bytes = PackedFile::pack(fileName, versionText, data, size);
    const UString path = folder + "/" + fileName;
    UString error;
    if (!replaceFile(path, bytes, error))
        KIV_LOG("Could not save '%s'.", path.c_str());
}

bool FileManager::loadPackedFile(const UString& folder, const UString& fileName, const UString& versionText,
                                 void* buffer, size_t size)
{
    if (size == 0)
        return true;
    const UString path = folder + "/" + fileName;
    if (!isRegularFile(path))
        return false;
    std::unique_ptr<DiskInputFile> file = DiskInputFile::open(path);
    if (!file || file->getSize() > PackedFile::maxContainerSize(size))
        return false;
    std::vector<unsigned char> bytes(file->getSize());
    if (file->read(bytes.data(), bytes.size()) != bytes.size())
        return false;
    return PackedFile::unpack(bytes.data(), bytes.size(), fileName, versionText, buffer, size);
}
