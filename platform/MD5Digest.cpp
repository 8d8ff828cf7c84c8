#include "MD5Digest.h"

#include <cstdio>
#include <cstring>

namespace {

// The RFC 1321 algorithm over a stream of bytes.
class MD5Context {
public:
    void update(const void* data, size_t length)
    {
        const uint8_t* input = static_cast<const uint8_t*>(data);
        size_t used = static_cast<size_t>(bitCount / 8 % 64);
        bitCount += static_cast<uint64_t>(length) * 8;
        if (used) {
            size_t take = length < 64 - used ? length : 64 - used;
            std::memcpy(block + used, input, take);
            used += take;
            input += take;
            length -= take;
            if (used < 64)
                return;
            transform(block);
        }
        for (; length >= 64; input += 64, length -= 64)
            transform(input);
        if (length)
            std::memcpy(block, input, length);
    }

    void finish(uint8_t digest[16])
    {
        uint8_t lengthBytes[8];
        for (int i = 0; i < 8; ++i)
            lengthBytes[i] = static_cast<uint8_t>(bitCount >> (8 * i));
        static const uint8_t padding[64] = {0x80};
        size_t used = static_cast<size_t>(bitCount / 8 % 64);
        update(padding, used < 56 ? 56 - used : 120 - used);
        update(lengthBytes, 8);
        for (int i = 0; i < 4; ++i)
            for (int b = 0; b < 4; ++b)
                digest[i * 4 + b] = static_cast<uint8_t>(state[i] >> (8 * b));
    }

private:
    static uint32_t rotate(uint32_t value, int bits) { return (value << bits) | (value >> (32 - bits)); }

    void transform(const uint8_t* chunk)
    {
        static const uint32_t sines[64] = {
            0xd76aa478, 0xe8c7b756, 0x242070db, 0xc1bdceee, 0xf57c0faf, 0x4787c62a, 0xa8304613, 0xfd469501,
            0x698098d8, 0x8b44f7af, 0xffff5bb1, 0x895cd7be, 0x6b901122, 0xfd987193, 0xa679438e, 0x49b40821,
            0xf61e2562, 0xc040b340, 0x265e5a51, 0xe9b6c7aa, 0xd62f105d, 0x02441453, 0xd8a1e681, 0xe7d3fbc8,
            0x21e1cde6, 0xc33707d6, 0xf4d50d87, 0x455a14ed, 0xa9e3e905, 0xfcefa3f8, 0x676f02d9, 0x8d2a4c8a,
            0xfffa3942, 0x8771f681, 0x6d9d6122, 0xfde5380c, 0xa4beea44, 0x4bdecfa9, 0xf6bb4b60, 0xbebfbc70,
            0x289b7ec6, 0xeaa127fa, 0xd4ef3085, 0x04881d05, 0xd9d4d039, 0xe6db99e5, 0x1fa27cf8, 0xc4ac5665,
            0xf4292244, 0x432aff97, 0xab9423a7, 0xfc93a039, 0x655b59c3, 0x8f0ccc92, 0xffeff47d, 0x85845dd1,
            0x6fa87e4f, 0xfe2ce6e0, 0xa3014314, 0x4e0811a1, 0xf7537e82, 0xbd3af235, 0x2ad7d2bb, 0xeb86d391};
        static const int shifts[4][4] = {{7, 12, 17, 22}, {5, 9, 14, 20}, {4, 11, 16, 23}, {6, 10, 15, 21}};
        uint32_t words[16];
        for (int i = 0; i < 16; ++i)
            words[i] = static_cast<uint32_t>(chunk[i * 4]) | (static_cast<uint32_t>(chunk[i * 4 + 1]) << 8) |
                       (static_cast<uint32_t>(chunk[i * 4 + 2]) << 16) |
                       (static_cast<uint32_t>(chunk[i * 4 + 3]) << 24);
        uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
        for (int i = 0; i < 64; ++i) {
            const int round = i / 16;
            uint32_t mix;
            int word;
            switch (round) {
            case 0: mix = (b & c) | (~b & d); word = i; break;
            case 1: mix = (d & b) | (~d & c); word = (5 * i + 1) % 16; break;
            case 2: mix = b ^ c ^ d; word = (3 * i + 5) % 16; break;
            default: mix = c ^ (b | ~d); word = (7 * i) % 16; break;
            }
            const uint32_t rotated = rotate(a + mix + sines[i] + words[word], shifts[round][i % 4]);
            a = d;
            d = c;
            c = b;
            b = b + rotated;
        }
        state[0] += a;
        state[1] += b;
        state[2] += c;
        state[3] += d;
    }

    uint32_t state[4] = {0x67452301, 0xefcdab89, 0x98badcfe, 0x10325476};
    uint64_t bitCount = 0;
    uint8_t block[64] = {};
};

} // namespace

MD5Digest::MD5Digest(uint32_t key, const void* data, size_t length)
{
    uint8_t keyBytes[4];
    for (int i = 0; i < 4; ++i)
        keyBytes[i] = static_cast<uint8_t>(key >> (8 * i));
    MD5Context context;
    context.update(keyBytes, 4);
    context.update(data, length);
    context.finish(bytes);
}

MD5Digest MD5Digest::ofBytes(const void* data, size_t length)
{
    MD5Digest digest;
    MD5Context context;
    context.update(data, length);
    context.finish(digest.bytes);
    return digest;
}

bool MD5Digest::operator==(const MD5Digest& other) const
{
    return std::memcmp(bytes, other.bytes, sizeof(bytes)) == 0;
}

void MD5Digest::toHex(char* text) const
{
    for (int i = 0; i < 16; ++i)
        std::snprintf(text + i * 2, 3, "%02x", bytes[i]);
}
