#pragma once
// Test images as uncompressed 32-bit TGA files, which the engine's texture
// loader reads without any other library: the bytes in memory (for the
// reader's own tests) or written to a file.
#include "UColor.h"

#include <fstream>
#include <functional>

namespace testsupport {

// pixels: width x height RGBA values, top row first. The rows are stored
// top row first or bottom row first; idLength bytes of image ID sit between
// the header and the pixels.
inline std::vector<unsigned char> tgaBytes(int width, int height, const std::vector<UColor>& pixels,
                                           bool topOrigin = true, unsigned idLength = 0)
{
    std::vector<unsigned char> bytes(18, 0);
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
        const int y = topOrigin ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const UColor& c = pixels[static_cast<size_t>(y * width + x)];
            bytes.insert(bytes.end(), {c.b, c.g, c.r, c.a});
        }
    }
    return bytes;
}

inline void writeTGA(const std::string& path, int width, int height, const std::vector<UColor>& pixels)
{
    const std::vector<unsigned char> bytes = tgaBytes(width, height, pixels);
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The image painted by pixel(x, y), top row first.
inline std::vector<UColor> paint(int width, int height, const std::function<UColor(int, int)>& pixel)
{
    std::vector<UColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(pixel(x, y));
    return pixels;
}

} // namespace testsupport
