#pragma once
// ZlibCodec: the one place that calls zlib. Archive entries and the packed
// data container are compressed and checked through it. Stateless; any
// thread.
#include <cstddef>
#include <vector>

class ZlibCodec {
public:
    // The zlib stream of the bytes.
    static std::vector<unsigned char> compress(const void* data, size_t size);
    // The most bytes compress can return for size bytes.
    static size_t maxCompressedSize(size_t size);
    // Unpacks into exactly originalSize bytes at destination. False when the
    // stream is damaged, holds more or fewer bytes than originalSize, or is
    // followed by stray bytes; destination may then hold a partial result.
    static bool uncompress(const void* packed, size_t packedSize, void* destination, size_t originalSize);
};
