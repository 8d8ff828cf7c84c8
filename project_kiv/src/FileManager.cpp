#include "FileManager.h"

#include "DiskInputFile.h"
#include "Kiv.h"
#include "Logger.h"

// The archive reader lands with the data formats; until then only disk mode.
class WadArchive {};

FileManager::FileManager()
{
    KIV_LOG("Starting...");
    KIV_LOG("Started.");
}

FileManager::~FileManager() = default;

bool FileManager::useWad(const UString&)
{
    return false;
}

bool FileManager::exists(const UString& name) const
{
    return DiskInputFile::open(name) != nullptr;
}

std::unique_ptr<InputFile> FileManager::open(const UString& name) const
{
    return DiskInputFile::open(name);
}

void FileManager::savePackedFile(const UString&, const UString&, const UString&, const void*, size_t)
{
}

bool FileManager::loadPackedFile(const UString&, const UString&, const UString&, void*, size_t size)
{
    return size == 0;
}

std::unique_ptr<InputFile> FileManager::openDataFile(const UString& name)
{
    if (pKiv && pKiv->pFileManager)
        return pKiv->pFileManager->open(name);
    return DiskInputFile::open(name);
}
