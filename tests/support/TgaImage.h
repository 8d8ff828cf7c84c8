#pragma once
// Writes test images as uncompressed 32-bit TGA files, which the engine's
// texture loader reads without any other library.
#include "UColor.h"

#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

// pixels: width x height RGBA values, top row first.
inline void writeTGA(const std::string& path, int width, int height, const std::vector<UColor>& pixels)
{
    std::vector<unsigned char> bytes(18, 0);
    bytes[2] = 2;
    bytes[12] = static_cast<unsigned char>(width & 0xFF);
    bytes[13] = static_cast<unsigned char>(width >> 8);
    bytes[14] = static_cast<unsigned char>(height & 0xFF);
    bytes[15] = static_cast<unsigned char>(height >> 8);
    bytes[16] = 32;
    bytes[17] = 0x28;
    for (const UColor& c : pixels)
        bytes.insert(bytes.end(), {c.b, c.g, c.r, c.a});
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

} // namespace testsupport
