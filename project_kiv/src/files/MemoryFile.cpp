#include "MemoryFile.h"

#include "ErrorManager.h"
#include "FileManager.h"

#include <limits>

KIV_IMPLEMENT_CLASS(MemoryFile, KivBase, nullptr);

MemoryFile::MemoryFile(const UString& fileName) : name(fileName)
{
    if (fileName.empty())
        return;
    std::unique_ptr<InputFile> file = FileManager::openDataFile(fileName);
    if (!file)
        KIV_ERROR("File %s does not exist.", FileManager::describeDataFile(fileName).c_str());
    size_t fileSize = file->getSize();
    if (fileSize > std::numeric_limits<uint32_t>::max())
        KIV_ERROR("File %s is too large (%zu bytes).", FileManager::describeDataFile(fileName).c_str(), fileSize);
    if (fileSize == 0)
        return;
    data = new unsigned char[fileSize];
    size = static_cast<uint32_t>(fileSize);
    if (file->read(data, fileSize) != fileSize)
        KIV_ERROR("File %s could not be read.", FileManager::describeDataFile(fileName).c_str());
}

MemoryFile::~MemoryFile()
{
    delete[] data;
}
