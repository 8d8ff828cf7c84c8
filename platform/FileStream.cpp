#include "FileStream.h"

#include "WritableFile.h"

#include <sys/stat.h>
#include <unistd.h>

std::unique_ptr<FileStream> FileStream::open(const UString& path, Mode mode)
{
    if (mode == MODE_READ) {
        struct stat info;
        if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            return nullptr;
    }
    FILE* file = mode == MODE_READ ? std::fopen(path.c_str(), "rb") : openWritableStream(path, TakenName::REPLACE);
    if (!file)
        return nullptr;
    return std::unique_ptr<FileStream>(new FileStream(file));
}

FileStream::~FileStream()
{
    std::fclose(pFile);
}

size_t FileStream::read(void* destination, size_t count)
{
    return std::fread(destination, 1, count, pFile);
}

size_t FileStream::write(const void* source, size_t count)
{
    return std::fwrite(source, 1, count, pFile);
}

uint64_t FileStream::getSize() const
{
    std::fflush(pFile);
    struct stat info;
    if (fstat(fileno(pFile), &info) != 0)
        return 0;
    return static_cast<uint64_t>(info.st_size);
}

uint64_t FileStream::getPosition() const
{
    off_t position = ftello(pFile);
    return position < 0 ? 0 : static_cast<uint64_t>(position);
}

bool FileStream::seek(uint64_t position)
{
    if (position > getSize())
        return false;
    return fseeko(pFile, static_cast<off_t>(position), SEEK_SET) == 0;
}

bool FileStream::flush()
{
    return std::fflush(pFile) == 0 && fsync(fileno(pFile)) == 0;
}
