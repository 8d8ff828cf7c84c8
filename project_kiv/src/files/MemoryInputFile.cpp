#include "MemoryInputFile.h"

#include <algorithm>
#include <cstring>

size_t MemoryInputFile::read(void* destination, size_t count)
{
    size_t available = std::min(count, bytes.size() - position);
    if (available)
        std::memcpy(destination, bytes.data() + position, available);
    position += available;
    return available;
}
