#include "Canvas.h"

#include <cstring>
#include <vector>

Canvas::Canvas(int w, int h)
    : width(w), height(h), pSurface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h)),
      pCairo(cairo_create(pSurface)) {
    cairo_set_antialias(pCairo, CAIRO_ANTIALIAS_GOOD);
    cairo_set_line_join(pCairo, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(pCairo, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(pCairo);
    cairo_surface_destroy(pSurface);
}

Image Canvas::render(int w, int h, const std::function<void(cairo_t*)>& draw) {
    Canvas canvas(w, h);
    draw(canvas.cr());
    return canvas.toImage();
}

Image Canvas::renderCentred(int size, const std::function<void(cairo_t*)>& draw) {
    return render(size, size, [&](cairo_t* cr) {
        cairo_translate(cr, size / 2.0, size / 2.0);
        draw(cr);
    });
}

Image Canvas::toImage() const {
    cairo_surface_flush(pSurface);
    Image out(width, height);
    const unsigned char* data = cairo_image_surface_get_data(pSurface);
    const int stride = cairo_image_surface_get_stride(pSurface);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const uint32_t argb = row[x];
            const int a = argb >> 24;
            int r = (argb >> 16) & 0xff, g = (argb >> 8) & 0xff, b = argb & 0xff;
            if (a == 0) {
                r = g = b = 0;
            } else if (a < 255) {
                r = (r * 255 + a / 2) / a;
                g = (g * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
                r = r > 255 ? 255 : r;
                g = g > 255 ? 255 : g;
                b = b > 255 ? 255 : b;
            }
            out.setPixel(x, y, static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b),
                         static_cast<uint8_t>(a));
        }
    }
    return out;
}

bool Canvas::writePng(const char* path) const {
    cairo_surface_flush(pSurface);
    return cairo_surface_write_to_png(pSurface, path) == CAIRO_STATUS_SUCCESS;
}

void Canvas::drawImage(const Image& image, double x, double y, double scale) {
    const int w = image.getWidth(), h = image.getHeight();
    if (w == 0 || h == 0)
        return;
    cairo_surface_t* src = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    unsigned char* data = cairo_image_surface_get_data(src);
    const int stride = cairo_image_surface_get_stride(src);
    for (int yy = 0; yy < h; ++yy) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(yy) * stride);
        for (int xx = 0; xx < w; ++xx) {
            const uint8_t* p = image.pixel(xx, yy);
            const uint32_t a = p[3];
            row[xx] = (a << 24) | ((p[0] * a / 255) << 16) | ((p[1] * a / 255) << 8) | (p[2] * a / 255);
        }
    }
    cairo_surface_mark_dirty(src);
    cairo_save(pCairo);
    cairo_translate(pCairo, x, y);
    cairo_scale(pCairo, scale, scale);
    cairo_set_source_surface(pCairo, src, 0, 0);
    cairo_paint(pCairo);
    cairo_restore(pCairo);
    cairo_surface_destroy(src);
}
