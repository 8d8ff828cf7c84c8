#include "TgaFile.h"

std::vector<uint8_t> TgaFile::encode(const Image& image) {
    const int w = image.getWidth(), h = image.getHeight();
    std::vector<uint8_t> out(18 + static_cast<size_t>(w) * h * 4, 0);
    out[2] = 2;
    out[12] = static_cast<uint8_t>(w & 0xff);
    out[13] = static_cast<uint8_t>(w >> 8);
    out[14] = static_cast<uint8_t>(h & 0xff);
    out[15] = static_cast<uint8_t>(h >> 8);
    out[16] = 32;
    out[17] = 0x28;
    size_t at = 18;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint8_t* p = image.pixel(x, y);
            out[at++] = p[2];
            out[at++] = p[1];
            out[at++] = p[0];
            out[at++] = p[3];
        }
    return out;
}
