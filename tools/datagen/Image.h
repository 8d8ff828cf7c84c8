#pragma once
// Image: a straight-alpha RGBA picture in memory, the unit every art
// generator hands to a sprite sheet. Pixels are stored top row first, four
// bytes each (R, G, B, A). Single-threaded; owned by value.
#include <cstddef>
#include <cstdint>
#include <vector>

class Image {
public:
    Image() = default;
    Image(int width, int height);

    int getWidth() const { return width; }
    int getHeight() const { return height; }

    uint8_t* pixel(int x, int y) { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
    const uint8_t* pixel(int x, int y) const { return &pixels[(static_cast<size_t>(y) * width + x) * 4]; }
    uint8_t alphaAt(int x, int y) const;

    void setPixel(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a);
    // Copies src with its top-left corner at (x, y), replacing what was there.
    void blit(const Image& src, int x, int y);
    Image crop(int x, int y, int w, int h) const;
    // Fills the colour of fully transparent pixels from their opaque
    // neighbours, so bilinear filtering never pulls a dark fringe in.
    void bleedEdges(int passes);

private:
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
};
