#include "PackedFile.h"

#include "MD5Digest.h"
#include "ZlibCodec.h"

#include <algorithm>
#include <cstring>

namespace {

void versionField(const UString& versionText, unsigned char field[PackedFile::VERSION_FIELD_SIZE])
{
    std::memset(field, 0, PackedFile::VERSION_FIELD_SIZE);
    std::memcpy(field, versionText.data(), std::min(versionText.size(), PackedFile::VERSION_FIELD_SIZE - 1));
}

uint32_t digestKey(const UString& fileName, const unsigned char field[PackedFile::VERSION_FIELD_SIZE])
{
    std::vector<unsigned char> text(fileName.begin(), fileName.end());
    text.push_back(0);
    text.insert(text.end(), field, field + PackedFile::VERSION_FIELD_SIZE);
    MD5Digest digest = MD5Digest::ofBytes(text.data(), text.size());
    return static_cast<uint32_t>(digest.bytes[0]) | (static_cast<uint32_t>(digest.bytes[1]) << 8) |
           (static_cast<uint32_t>(digest.bytes[2]) << 16) | (static_cast<uint32_t>(digest.bytes[3]) << 24);
}

void putU32(unsigned char* target, uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        target[i] = static_cast<unsigned char>(value >> (8 * i));
}

uint32_t getU32(const unsigned char* source)
{
    return static_cast<uint32_t>(source[0]) | (static_cast<uint32_t>(source[1]) << 8) |
           (static_cast<uint32_t>(source[2]) << 16) | (static_cast<uint32_t>(source[3]) << 24);
}

} // namespace

std::vector<unsigned char> PackedFile::pack(const UString& fileName, const UString& versionText, const void* data,
                                            size_t size)
{
    std::vector<unsigned char> packed = ZlibCodec::compress(data, size);
    std::vector<unsigned char> bytes(HEADER_SIZE);
    std::memcpy(bytes.data(), MAGIC, sizeof(MAGIC));
    versionField(versionText, bytes.data() + 4);
    putU32(bytes.data() + 20, static_cast<uint32_t>(size));
    putU32(bytes.data() + 24, static_cast<uint32_t>(packed.size()));
    MD5Digest digest(digestKey(fileName, bytes.data() + 4), packed.data(), packed.size());
    std::memcpy(bytes.data() + 28, digest.bytes, sizeof(digest.bytes));
    bytes.insert(bytes.end(), packed.begin(), packed.end());
    return bytes;
}

bool PackedFile::unpack(const unsigned char* bytes, size_t byteCount, const UString& fileName,
                        const UString& versionText, void* buffer, size_t size, UString& error)
{
    if (!bytes || byteCount < HEADER_SIZE || std::memcmp(bytes, MAGIC, sizeof(MAGIC)) != 0) {
        error = "it is not a packed file";
        return false;
    }
    unsigned char expectedVersion[VERSION_FIELD_SIZE];
    versionField(versionText, expectedVersion);
    if (std::memcmp(bytes + 4, expectedVersion, VERSION_FIELD_SIZE) != 0) {
        error = "it was written by another version";
        return false;
    }
    if (getU32(bytes + 20) != size) {
        error = formatString("it holds %u bytes instead of %zu", getU32(bytes + 20), size);
        return false;
    }
    if (getU32(bytes + 24) != byteCount - HEADER_SIZE) {
        error = "it is cut short or too long";
        return false;
    }
    const unsigned char* packed = bytes + HEADER_SIZE;
    const size_t packedSize = byteCount - HEADER_SIZE;
    MD5Digest stored;
    std::memcpy(stored.bytes, bytes + 28, sizeof(stored.bytes));
    if (MD5Digest(digestKey(fileName, expectedVersion), packed, packedSize) != stored) {
        error = "its check value does not match";
        return false;
    }
    std::vector<unsigned char> original(size);
    if (!ZlibCodec::uncompress(packed, packedSize, original.data(), size)) {
        error = "it does not unpack";
        return false;
    }
    if (size)
        std::memcpy(buffer, original.data(), size);
    return true;
}

size_t PackedFile::maxContainerSize(size_t size)
{
    return HEADER_SIZE + ZlibCodec::maxCompressedSize(size);
}
