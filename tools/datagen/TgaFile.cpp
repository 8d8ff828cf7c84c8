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

bool TgaFile::decode(const std::vector<uint8_t>& bytes, Image& image) {
    image = Image();
    if (bytes.size() < 18 || bytes[1] != 0 || bytes[2] != 2 || bytes[16] != 32)
        return false;
    const int idLength = bytes[0];
    const int w = bytes[12] | (bytes[13] << 8);
    const int h = bytes[14] | (bytes[15] << 8);
    const bool bTopDown = (bytes[17] & 0x20) != 0;
    const size_t start = 18 + static_cast<size_t>(idLength);
    if (w == 0 || h == 0 || bytes.size() < start + static_cast<size_t>(w) * h * 4)
        return false;
    Image out(w, h);
    size_t at = start;
    for (int row = 0; row < h; ++row) {
        const int y = bTopDown ? row : h - 1 - row;
        for (int x = 0; x < w; ++x, at += 4)
            out.setPixel(x, y, bytes[at + 2], bytes[at + 1], bytes[at], bytes[at + 3]);
    }
    image = out;
    return true;
}
