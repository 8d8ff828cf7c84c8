#pragma once
// Helpers shared by the file-format tests: a scratch folder per test, raw
// file writing, hand-built TGA images and a check for fatal reports.
#include "TemporaryFolder.h"
#include "UString.h"
#include "WholeFile.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<unsigned char>;

#define EXPECT_FATAL(statement, pattern) EXPECT_EXIT(statement, ::testing::ExitedWithCode(255), pattern)

// A folder for one test's files.
class ScratchFolder : public TemporaryFolder {
public:
    ScratchFolder() : TemporaryFolder("kiv-files") {}

    UString file(const std::string& name) const { return path() + "/" + name; }
};

inline void writeBytes(const UString& path, const Bytes& bytes)
{
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    if (!bytes.empty()) {
        ASSERT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
    }
    std::fclose(file);
}

// Empty when the file cannot be read.
inline Bytes readBytes(const UString& path)
{
    const std::string text = readWholeFile(path);
    return Bytes(text.begin(), text.end());
}

// An uncompressed 32-bit TGA whose pixel (x, y), counted from the top row,
// is R = 10x + y, G = 100 + y, B = 200 - x, A = 7x + 3y.
inline Bytes makeTGA(int width, int height, bool topOrigin, unsigned idLength = 0)
{
    Bytes bytes(18, 0);
    bytes[0] = static_cast<unsigned char>(idLength);
    bytes[2] = 2;
    bytes[12] = static_cast<unsigned char>(width & 0xFF);
    bytes[13] = static_cast<unsigned char>(width >> 8);
    bytes[14] = static_cast<unsigned char>(height & 0xFF);
    bytes[15] = static_cast<unsigned char>(height >> 8);
    bytes[16] = 32;
    bytes[17] = topOrigin ? 0x28 : 0x08;
    bytes.insert(bytes.end(), idLength, 'i');
    for (int row = 0; row < height; ++row) {
        int y = topOrigin ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            bytes.push_back(static_cast<unsigned char>(200 - x));
            bytes.push_back(static_cast<unsigned char>(100 + y));
            bytes.push_back(static_cast<unsigned char>(10 * x + y));
            bytes.push_back(static_cast<unsigned char>(7 * x + 3 * y));
        }
    }
    return bytes;
}
