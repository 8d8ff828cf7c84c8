#include "Image.h"

#include <algorithm>

Image::Image(int w, int h) : width(w), height(h), pixels(static_cast<size_t>(w) * h * 4, 0) {}

uint8_t Image::alphaAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return 0;
    return pixel(x, y)[3];
}

void Image::setPixel(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return;
    uint8_t* p = pixel(x, y);
    p[0] = r;
    p[1] = g;
    p[2] = b;
    p[3] = a;
}

void Image::blit(const Image& src, int x, int y) {
    for (int sy = 0; sy < src.height; ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= height)
            continue;
        for (int sx = 0; sx < src.width; ++sx) {
            const int dx = x + sx;
            if (dx >= 0 && dx < width)
                std::copy_n(src.pixel(sx, sy), 4, pixel(dx, dy));
        }
    }
}

Image Image::crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int yy = 0; yy < h; ++yy)
        for (int xx = 0; xx < w; ++xx)
            if (x + xx >= 0 && y + yy >= 0 && x + xx < width && y + yy < height)
                std::copy_n(pixel(x + xx, y + yy), 4, out.pixel(xx, yy));
    return out;
}

void Image::bleedEdges(int passes) {
    for (int pass = 0; pass < passes; ++pass) {
        std::vector<uint8_t> next = pixels;
        std::vector<uint8_t> filled(static_cast<size_t>(width) * height, 0);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                if (pixel(x, y)[3] != 0)
                    continue;
                int sum[3] = {0, 0, 0};
                int count = 0;
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = x + dx, ny = y + dy;
                        if (nx < 0 || ny < 0 || nx >= width || ny >= height)
                            continue;
                        const uint8_t* n = pixel(nx, ny);
                        // A pixel already bled in an earlier pass counts as a
                        // source too.
                        if (n[3] == 0 && !(n[0] | n[1] | n[2]))
                            continue;
                        for (int c = 0; c < 3; ++c)
                            sum[c] += n[c];
                        ++count;
                    }
                if (count == 0)
                    continue;
                uint8_t* d = &next[(static_cast<size_t>(y) * width + x) * 4];
                for (int c = 0; c < 3; ++c)
                    d[c] = static_cast<uint8_t>(sum[c] / count);
            }
        pixels.swap(next);
    }
}
