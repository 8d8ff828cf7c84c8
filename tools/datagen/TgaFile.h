#pragma once
// TgaFile: encodes an Image as an uncompressed 32-bit true-colour TGA
// (image type 2, descriptor 0x28: 8 alpha bits, top-left origin), pixels
// stored B, G, R, A from the top row down.
#include "Image.h"

#include <cstdint>
#include <vector>

class TgaFile {
public:
    static std::vector<uint8_t> encode(const Image& image);
};
