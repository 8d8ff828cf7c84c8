#include "DiskInputFile.h"

std::unique_ptr<DiskInputFile> DiskInputFile::open(const UString& path)
{
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return nullptr;
    std::fseek(file, 0, SEEK_END);
    long end = std::ftell(file);
    std::fseek(file, 0, SEEK_SET);
    if (end < 0) {
        std::fclose(file);
        return nullptr;
    }
    return std::unique_ptr<DiskInputFile>(new DiskInputFile(file, static_cast<size_t>(end)));
}

DiskInputFile::~DiskInputFile()
{
    std::fclose(pFile);
}

size_t DiskInputFile::read(void* destination, size_t count)
{
    return std::fread(destination, 1, count, pFile);
}
