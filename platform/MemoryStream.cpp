#include "MemoryStream.h"

#include <algorithm>
#include <cstring>

size_t MemoryStream::read(void* destination, size_t count)
{
    size_t available = std::min(count, bytes.size() - position);
    if (available)
        std::memcpy(destination, bytes.data() + position, available);
    position += available;
    return available;
}

size_t MemoryStream::write(const void* source, size_t count)
{
    if (count > sizeLimit || position > sizeLimit - count)
        return 0;
    if (position + count > bytes.size())
        bytes.resize(position + count);
    if (count)
        std::memcpy(&bytes[position], source, count);
    position += count;
    return count;
}

bool MemoryStream::seek(uint64_t newPosition)
{
    if (newPosition > bytes.size())
        return false;
    position = static_cast<size_t>(newPosition);
    return true;
}

bool MemoryStream::writeAll(Stream& source)
{
    if (!source.seek(0))
        return false;
    char buffer[16384];
    uint64_t remaining = source.getSize();
    while (remaining > 0) {
        size_t want = static_cast<size_t>(std::min<uint64_t>(remaining, sizeof(buffer)));
        size_t got = source.read(buffer, want);
        if (got == 0 || write(buffer, got) != got)
            return false;
        remaining -= got;
    }
    return true;
}
