#pragma once
// MD5Digest: a 16-byte MD5 digest (RFC 1321). The keyed form signs
// high-score entries and checks the packed data container: the digest of the
// key's four bytes in little-endian order followed by the data. It is a plain
// 16-byte value, stored as is inside saved blocks. Any thread.
#include <cstddef>
#include <cstdint>

struct MD5Digest {
    // Sixteen zero bytes.
    MD5Digest() = default;
    // MD5 of the key (4 bytes, little-endian) followed by length bytes of data.
    MD5Digest(uint32_t key, const void* data, size_t length);
    // Plain MD5 of the bytes, with no key.
    static MD5Digest ofBytes(const void* data, size_t length);

    bool operator==(const MD5Digest& other) const;
    bool operator!=(const MD5Digest& other) const { return !(*this == other); }
    // 32 lower-case hexadecimal digits, into text (at least 33 bytes).
    void toHex(char* text) const;

    uint8_t bytes[16] = {};
};

static_assert(sizeof(MD5Digest) == 16, "MD5Digest is stored as 16 raw bytes");
