#include "Paint.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace paint {

const Colour kInk = {45 / 255.0, 30 / 255.0, 50 / 255.0, 1.0};
const Colour kWhite = {1, 1, 1, 1};

Colour rgb(int r, int g, int b, double a) { return {r / 255.0, g / 255.0, b / 255.0, a}; }

Colour mix(const Colour& x, const Colour& y, double t) {
    return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Colour lighter(const Colour& c, double t) { return mix(c, {1, 1, 1, c.a}, t); }
Colour darker(const Colour& c, double t) { return mix(c, {0, 0, 0, c.a}, t); }

void setColour(cairo_t* cr, const Colour& c) { cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a); }

void circlePath(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min(r, std::min(w, h) / 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double x, double y, double rOuter, double rInner, int points, double rotation) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        const double r = (i % 2) ? rInner : rOuter;
        const double a = rotation - M_PI / 2 + i * M_PI / points;
        cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void fillInked(cairo_t* cr, const Colour& fillColour, double lineWidth, const Colour& ink) {
    setColour(cr, fillColour);
    cairo_fill_preserve(cr);
    setColour(cr, ink);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void fill(cairo_t* cr, const Colour& fillColour) {
    setColour(cr, fillColour);
    cairo_fill(cr);
}

void stroke(cairo_t* cr, const Colour& c, double lineWidth) {
    setColour(cr, c);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

namespace {

// Fills the current path with pattern, which it releases, then outlines the
// path in ink when lineWidth is positive.
void fillWithPattern(cairo_t* cr, cairo_pattern_t* pattern, double lineWidth) {
    cairo_set_source(cr, pattern);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(pattern);
    if (lineWidth > 0)
        stroke(cr, kInk, lineWidth);
    else
        cairo_new_path(cr);
}

}  // namespace

void fillGradientInked(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom,
                       double lineWidth) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(pattern, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    fillWithPattern(cr, pattern, lineWidth);
}

void shadedBall(cairo_t* cr, double x, double y, double r, const Colour& c, double lineWidth) {
    cairo_pattern_t* pattern = cairo_pattern_create_radial(x - r * 0.35, y - r * 0.4, r * 0.1, x, y, r);
    const Colour hi = lighter(c, 0.45);
    const Colour lo = darker(c, 0.12);
    cairo_pattern_add_color_stop_rgba(pattern, 0, hi.r, hi.g, hi.b, c.a);
    cairo_pattern_add_color_stop_rgba(pattern, 0.6, c.r, c.g, c.b, c.a);
    cairo_pattern_add_color_stop_rgba(pattern, 1, lo.r, lo.g, lo.b, c.a);
    circlePath(cr, x, y, r);
    fillWithPattern(cr, pattern, lineWidth);
}

void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha) {
    ellipsePath(cr, x, y, rx, ry);
    setColour(cr, {1, 1, 1, alpha});
    cairo_fill(cr);
}

std::vector<float> coverageOf(const Image& src) {
    std::vector<float> a(static_cast<size_t>(src.getWidth()) * src.getHeight());
    for (int y = 0; y < src.getHeight(); ++y)
        for (int x = 0; x < src.getWidth(); ++x)
            a[static_cast<size_t>(y) * src.getWidth() + x] = src.pixel(x, y)[3] / 255.0f;
    return a;
}

namespace {

// Grey-scale morphology with a round structuring element: max (dilate) or
// min (erode) over a disc of the given radius.
std::vector<float> morph(const std::vector<float>& a, int w, int h, double radius, bool bDilate) {
    std::vector<float> out(a.size());
    const int reach = dilationReach(radius);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            float v = bDilate ? 0.0f : 1.0f;
            for (int dy = -reach; dy <= reach; ++dy)
                for (int dx = -reach; dx <= reach; ++dx) {
                    const double d = std::sqrt(double(dx * dx + dy * dy));
                    if (d > radius + 0.5)
                        continue;
                    const int nx = x + dx, ny = y + dy;
                    float s = 0.0f;
                    if (nx >= 0 && ny >= 0 && nx < w && ny < h)
                        s = a[static_cast<size_t>(ny) * w + nx];
                    // Soften the rim of the disc so the grown edge stays
                    // anti-aliased.
                    const float weight = static_cast<float>(std::clamp(radius + 0.5 - d, 0.0, 1.0));
                    if (bDilate)
                        v = std::max(v, s * weight);
                    else
                        v = std::min(v, 1.0f - (1.0f - s) * weight);
                }
            out[static_cast<size_t>(y) * w + x] = v;
        }
    return out;
}

Image whiteFromAlpha(const std::vector<float>& a, int w, int h) {
    Image out(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float v = std::clamp(a[static_cast<size_t>(y) * w + x], 0.0f, 1.0f);
            out.setPixel(x, y, 255, 255, 255, static_cast<uint8_t>(std::lround(v * 255)));
        }
    return out;
}

}  // namespace

std::vector<float> dilated(const std::vector<float>& mask, int w, int h, double radius) {
    return morph(mask, w, h, radius, true);
}

int dilationReach(double radius) { return static_cast<int>(std::ceil(radius + 0.5)) - 1; }

Image glowOutline(const Image& src, int outside, int inside) {
    const int w = src.getWidth(), h = src.getHeight();
    const std::vector<float> a = coverageOf(src);
    const std::vector<float> grown = dilated(a, w, h, outside);
    const std::vector<float> shrunk = inside > 0 ? morph(a, w, h, inside, false) : a;
    std::vector<float> ring(a.size());
    for (size_t i = 0; i < a.size(); ++i)
        ring[i] = std::max(0.0f, grown[i] - shrunk[i]);
    return whiteFromAlpha(ring, w, h);
}

Image silhouette(const Image& src, int grow) {
    return whiteFromAlpha(dilated(coverageOf(src), src.getWidth(), src.getHeight(), grow), src.getWidth(),
                          src.getHeight());
}

Image whiteShape(const Image& src) { return whiteFromAlpha(coverageOf(src), src.getWidth(), src.getHeight()); }

}  // namespace paint
