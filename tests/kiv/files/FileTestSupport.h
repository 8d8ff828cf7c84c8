#pragma once
// Helpers shared by the file-format tests: a scratch folder per test, raw
// file writing and TGA images with a known pattern.
#include "TemporaryFolder.h"
#include "TgaImage.h"
#include "UString.h"
#include "WholeFile.h"

#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using Bytes = std::vector<unsigned char>;

// A folder for one test's files.
class ScratchFolder : public TemporaryFolder {
public:
    ScratchFolder() : TemporaryFolder("kiv-files") {}

    UString file(const std::string& name) const { return path() + "/" + name; }
};

inline void writeBytes(const UString& path, const Bytes& bytes)
{
    writeWholeFile(path, std::string(bytes.begin(), bytes.end()));
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
    return testsupport::tgaBytes(width, height, testsupport::paint(width, height, [](int x, int y) {
        return UColor(static_cast<uint8_t>(10 * x + y), static_cast<uint8_t>(100 + y), static_cast<uint8_t>(200 - x),
                      static_cast<uint8_t>(7 * x + 3 * y));
    }), topOrigin, idLength);
}
