#include "ZlibCodec.h"

#include <zlib.h>

std::vector<unsigned char> ZlibCodec::compress(const void* data, size_t size)
{
    uLongf packedSize = compressBound(static_cast<uLong>(size));
    std::vector<unsigned char> packed(packedSize);
    int result = compress2(packed.data(), &packedSize, static_cast<const Bytef*>(data), static_cast<uLong>(size),
                           Z_BEST_COMPRESSION);
    if (result != Z_OK)
        return {};
    packed.resize(packedSize);
    return packed;
}

size_t ZlibCodec::maxCompressedSize(size_t size)
{
    return compressBound(static_cast<uLong>(size));
}

bool ZlibCodec::uncompress(const void* packed, size_t packedSize, void* destination, size_t originalSize)
{
    // zlib refuses a null destination even for an empty result.
    unsigned char spare = 0;
    uLongf unpackedSize = static_cast<uLongf>(originalSize);
    uLong consumed = static_cast<uLong>(packedSize);
    int result = uncompress2(originalSize ? static_cast<Bytef*>(destination) : &spare, &unpackedSize,
                             static_cast<const Bytef*>(packed), &consumed);
    return result == Z_OK && unpackedSize == originalSize && consumed == packedSize;
}
