#include "SceneryArt.h"

#include "Canvas.h"
#include "JoinedStrip.h"
#include "Paint.h"
#include "Rng.h"

#include <cmath>
#include <functional>

using namespace paint;

namespace {

const Colour kClearSky = rgb(16, 128, 208);
// Scenery strip frames leave a column on each side of their 256-pixel
// texture for the border that joins them to their neighbours.
const int kStripFrameWidth = 254;

// Draws a strip of `period` pixels that repeats, once shifted left by the
// frame's offset and once more a period to the right, so every frame cut
// from it joins its neighbours.
Image stripFrame(int width, int height, int offset, int period, const std::function<void(cairo_t*)>& draw) {
    return Canvas::render(width, height, [&](cairo_t* cr) {
        for (int k = -1; k <= 1; ++k) {
            cairo_save(cr);
            cairo_translate(cr, -offset + k * period, 0);
            draw(cr);
            cairo_restore(cr);
        }
    });
}

void sky(DataWriter& out) {
    SpriteSheet sheet;
    sheet.setExactSize(256, 256);
    Image img = Canvas::render(256, 256, [](cairo_t* cr) {
        cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 0, 0, 256);
        cairo_pattern_add_color_stop_rgb(gradient, 0.0, kClearSky.r, kClearSky.g, kClearSky.b);
        cairo_pattern_add_color_stop_rgb(gradient, 0.55, 70 / 255.0, 160 / 255.0, 228 / 255.0);
        cairo_pattern_add_color_stop_rgb(gradient, 0.85, 150 / 255.0, 205 / 255.0, 245 / 255.0);
        cairo_pattern_add_color_stop_rgb(gradient, 1.0, kClearSky.r, kClearSky.g, kClearSky.b);
        cairo_set_source(cr, gradient);
        cairo_paint(cr);
        cairo_pattern_destroy(gradient);
        Rng rng(11);
        // Soft cumulus clusters, each drawn three times a tile apart so the
        // sky wraps sideways.
        for (int i = 0; i < 6; ++i) {
            const double cx = i * 256 / 6.0 + rng.range(0, 30), cy = rng.range(70, 200), s = rng.range(0.7, 1.2);
            const int puffs = 5 + rng.below(3);
            double offsets[8][3];
            for (int p = 0; p < puffs; ++p) {
                offsets[p][0] = (p - puffs / 2.0) * 11 * s + rng.range(-3, 3);
                offsets[p][1] = -std::sin((p + 0.5) / puffs * M_PI) * 10 * s + rng.range(-2, 2);
                offsets[p][2] = rng.range(12, 20) * s;
            }
            for (int k = -1; k <= 1; ++k)
                for (int p = 0; p < puffs; ++p) {
                    const double px = cx + k * 256 + offsets[p][0], py = cy + offsets[p][1], r = offsets[p][2];
                    cairo_pattern_t* g = cairo_pattern_create_radial(px, py, 0, px, py, r);
                    cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 0.5);
                    cairo_pattern_add_color_stop_rgba(g, 0.6, 1, 1, 1, 0.35);
                    cairo_pattern_add_color_stop_rgba(g, 1, 1, 1, 1, 0);
                    cairo_set_source(cr, g);
                    circlePath(cr, px, py, r);
                    cairo_fill(cr);
                    cairo_pattern_destroy(g);
                }
        }
    });
    // The top and bottom rows meet the clear colour exactly.
    for (int x = 0; x < 256; ++x)
        for (int y : {0, 1, 254, 255})
            img.setPixel(x, y, 16, 128, 208, 255);
    sheet.addFrameAt(img, 0, 0);
    out.writeSheet("gfx/sky-colormatched-blurred.tga", sheet);
}

double hillLine(double x, double period) {
    const double t = x / period * 2 * M_PI;
    return 62 + 18 * std::sin(t + 0.4) + 10 * std::sin(2 * t + 1.3) + 5 * std::sin(5 * t + 0.2);
}

void hills(DataWriter& out) {
    SpriteSheet sheet;
    sheet.setExactSize(256, 256);
    const int h = 112, period = 2 * kStripFrameWidth;
    auto draw = [h, period](cairo_t* cr) {
        // A farther, paler ridge behind the nearer one.
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= period; x += 4)
            cairo_line_to(cr, x, h - hillLine(x * 2.0 + 100, period) * 0.75 - 20);
        cairo_line_to(cr, period, h);
        cairo_close_path(cr);
        fill(cr, rgb(130, 200, 160));
        cairo_move_to(cr, 0, h);
        for (int x = 0; x <= period; x += 4)
            cairo_line_to(cr, x, h - hillLine(x, period));
        cairo_line_to(cr, period, h);
        cairo_close_path(cr);
        fillGradientInked(cr, h - 90, rgb(120, 210, 110), h, rgb(70, 160, 90), 0);
        cairo_move_to(cr, 0, h - hillLine(0, period));
        for (int x = 4; x <= period; x += 4)
            cairo_line_to(cr, x, h - hillLine(x, period));
        stroke(cr, rgb(60, 140, 80), 2);
        Rng rng(5);
        for (int i = 0; i < 9; ++i) {
            const double x = rng.range(10, period - 12), y = h - hillLine(x, period) + rng.range(8, 30);
            circlePath(cr, x, y - 6, 6 + rng.range(0, 3));
            fill(cr, rgb(60, 150, 80));
        }
    };
    JoinedStrip strip(JoinedStrip::ACROSS, true);
    for (int f = 0; f < 2; ++f)
        strip.add(stripFrame(kStripFrameWidth, h, f * kStripFrameWidth, period, draw));
    for (int f = 0; f < 2; ++f)
        strip.placeAt(sheet, f, 0, f * (h + 2));
    out.writeSheet("gfx/hills.tga", sheet);
}

void grass(DataWriter& out) {
    SpriteSheet sheet;
    sheet.setExactSize(256, 256);
    const int h = 60, period = 4 * kStripFrameWidth;
    auto draw = [h, period](cairo_t* cr) {
        Rng rng(7);
        cairo_rectangle(cr, 0, h - 34, period, 34);
        fillGradientInked(cr, h - 34, rgb(90, 190, 70), h, rgb(60, 150, 50), 0);
        for (int i = 0; i < 360; ++i) {
            const double x = i * (period / 360.0) + rng.range(-1, 1);
            // Low enough to stay under the caption of a button standing in
            // the grass (the game's Exit button).
            const double len = rng.range(8, 22), lean = rng.range(-6, 6);
            cairo_move_to(cr, x - 2.5, h - 20);
            cairo_curve_to(cr, x - 1, h - 20 - len * 0.6, x + lean * 0.6, h - 20 - len * 0.9, x + lean, h - 20 - len);
            cairo_curve_to(cr, x + lean * 0.5, h - 20 - len * 0.7, x + 2, h - 20 - len * 0.4, x + 2.5, h - 20);
            cairo_close_path(cr);
            fill(cr, i % 3 ? rgb(100, 200, 70) : rgb(130, 220, 90));
        }
        for (int i = 0; i < 14; ++i) {
            // Above the band that the menus' hint line is printed over.
            const double x = rng.range(0, period), y = rng.range(h - 34, h - 24);
            for (int petal = 0; petal < 5; ++petal) {
                const double a = petal * 2 * M_PI / 5;
                circlePath(cr, x + 2.6 * std::cos(a), y + 2.6 * std::sin(a), 2);
            }
            fill(cr, i % 2 ? rgb(255, 240, 120) : rgb(255, 180, 220));
            circlePath(cr, x, y, 1.4);
            fill(cr, rgb(250, 150, 40));
        }
    };
    // Left to right the mosaic shows frames 2, 3, 0, 1.
    const int position[4] = {2, 3, 0, 1};
    JoinedStrip strip(JoinedStrip::ACROSS, true);
    for (int p = 0; p < 4; ++p)
        strip.add(stripFrame(kStripFrameWidth, h, p * kStripFrameWidth, period, draw));
    for (int f = 0; f < 4; ++f)
        strip.placeAt(sheet, position[f], 0, 1 + f * (h + 2));
    out.writeSheet("gfx/grass.tga", sheet);
}

void ground(DataWriter& out) {
    SpriteSheet sheet;
    sheet.setExactSize(256, 128);
    const int h = 32, period = 2 * kStripFrameWidth;
    auto draw = [h, period](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, period, h);
        fillGradientInked(cr, 0, rgb(150, 100, 60), h, rgb(110, 70, 40), 0);
        cairo_move_to(cr, 0, 0);
        for (int x = 0; x <= period; x += 2)
            cairo_line_to(cr, x, 4 + 2 * std::sin(x * 2 * M_PI * 8 / period));
        cairo_line_to(cr, period, 0);
        cairo_close_path(cr);
        fill(cr, rgb(90, 180, 70));
        Rng rng(3);
        for (int i = 0; i < 40; ++i) {
            ellipsePath(cr, rng.range(0, period), rng.range(10, h - 3), rng.range(2, 4), rng.range(1.2, 2.5));
            fill(cr, rgb(170, 125, 85));
        }
    };
    JoinedStrip strip(JoinedStrip::ACROSS, true);
    for (int f = 0; f < 2; ++f)
        strip.add(stripFrame(kStripFrameWidth, h, f * kStripFrameWidth, period, draw));
    for (int f = 0; f < 2; ++f)
        strip.placeAt(sheet, f, 0, 1 + f * (h + 2));
    out.writeSheet("gfx/ground.tga", sheet);
}

void crownBlob(cairo_t* cr, double x, double y, double r, const Colour& c) {
    circlePath(cr, x, y, r);
    fillInked(cr, c, 2.5, darker(c, 0.5));
}

void tallTree(DataWriter& out) {
    // One 192 x 320 drawing cut into the crown (top 200 rows) and the trunk.
    const int w = 192, crownH = 200, trunkH = 120;
    const Image whole = Canvas::render(w, crownH + trunkH, [&](cairo_t* cr) {
        cairo_move_to(cr, 84, crownH + trunkH);
        cairo_curve_to(cr, 88, 260, 86, 200, 90, 120);
        cairo_line_to(cr, 102, 120);
        cairo_curve_to(cr, 106, 200, 104, 260, 110, crownH + trunkH);
        cairo_close_path(cr);
        fillGradientInked(cr, 120, rgb(150, 95, 55), 320, rgb(120, 75, 40), 2.5);
        const Colour leaf = rgb(70, 170, 70);
        crownBlob(cr, 96, 130, 56, darker(leaf, 0.15));
        crownBlob(cr, 56, 110, 42, leaf);
        crownBlob(cr, 136, 110, 44, leaf);
        crownBlob(cr, 96, 70, 56, lighter(leaf, 0.1));
        crownBlob(cr, 64, 56, 36, lighter(leaf, 0.15));
        crownBlob(cr, 130, 52, 38, lighter(leaf, 0.15));
        gloss(cr, 80, 40, 18, 8, 0.35);
        Rng rng(17);
        for (int i = 0; i < 8; ++i) {
            circlePath(cr, rng.range(50, 145), rng.range(50, 150), 4);
            fillInked(cr, rgb(240, 60, 60), 1.2);
        }
    });
    JoinedStrip strip(JoinedStrip::DOWN, false);
    strip.add(whole.crop(0, 0, w, crownH));
    strip.add(whole.crop(0, crownH, w, trunkH));
    SpriteSheet crown;
    strip.pack(crown, 0);
    out.writeSheet("gfx/tree_0_0.tga", crown);
    SpriteSheet trunk;
    strip.pack(trunk, 1);
    out.writeSheet("gfx/tree_0_1.tga", trunk);
}

void roundTree(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(160, 250, [](cairo_t* cr) {
        cairo_move_to(cr, 70, 250);
        cairo_curve_to(cr, 74, 200, 72, 160, 74, 120);
        cairo_line_to(cr, 86, 120);
        cairo_curve_to(cr, 88, 160, 86, 200, 90, 250);
        cairo_close_path(cr);
        fillGradientInked(cr, 120, rgb(140, 90, 50), 250, rgb(110, 70, 40), 2.5);
        // A pine-like stack of rounded tiers.
        const Colour leaf = rgb(40, 150, 110);
        for (int tier = 0; tier < 4; ++tier) {
            const double y = 170 - tier * 42, half = 70 - tier * 14;
            cairo_move_to(cr, 80 - half, y);
            cairo_curve_to(cr, 80 - half * 0.5, y - 20, 80 - 12, y - 62, 80, y - 70);
            cairo_curve_to(cr, 80 + 12, y - 62, 80 + half * 0.5, y - 20, 80 + half, y);
            cairo_curve_to(cr, 80 + half * 0.5, y + 8, 80 - half * 0.5, y + 8, 80 - half, y);
            cairo_close_path(cr);
            fillInked(cr, lighter(leaf, tier * 0.08), 2.5, darker(leaf, 0.5));
        }
        gloss(cr, 66, 70, 6, 14, 0.3);
    }));
    out.writeSheet("gfx/tree2.tga", sheet);
}

void poleSegment(cairo_t* cr, double length, bool bTopEnd) {
    // Drawn lying down: the foot at the left, the top (when bTopEnd) at the
    // right.
    const double h = 16;
    cairo_move_to(cr, 0, 1);
    if (bTopEnd) {
        cairo_line_to(cr, length - 9, 1);
        cairo_arc(cr, length - 9, 1 + h / 2, h / 2, -M_PI / 2, M_PI / 2);
    } else {
        cairo_line_to(cr, length, 1);
        cairo_line_to(cr, length, 1 + h);
    }
    cairo_line_to(cr, 0, 1 + h);
    cairo_close_path(cr);
    setColour(cr, rgb(176, 116, 62));
    cairo_fill(cr);
    cairo_move_to(cr, 0, 5);
    cairo_line_to(cr, length - (bTopEnd ? 10 : 0), 5);
    stroke(cr, rgb(210, 150, 90), 2);
    cairo_move_to(cr, 0, 1.5);
    cairo_line_to(cr, length - (bTopEnd ? 9 : 0), 1.5);
    cairo_move_to(cr, 0, h + 0.5);
    cairo_line_to(cr, length - (bTopEnd ? 9 : 0), h + 0.5);
    stroke(cr, kInk, 2);
    if (bTopEnd) {
        cairo_arc(cr, length - 9, 1 + h / 2, h / 2 - 0.5, -M_PI / 2, M_PI / 2);
        stroke(cr, kInk, 2);
    }
}

void poles(DataWriter& out) {
    SpriteSheet sheet;
    auto segment = [](int length, bool bTop) {
        return Canvas::render(length, 18, [length, bTop](cairo_t* cr) { poleSegment(cr, length, bTop); });
    };
    sheet.addFrame(segment(240, true));
    // Frames 1 + 2 and 3 + 4 are shown joined as the medium and long poles.
    for (int length : {168, 220}) {
        JoinedStrip strip(JoinedStrip::ACROSS, false);
        strip.add(segment(length, false));
        strip.add(segment(length, true));
        strip.pack(sheet, 0);
        strip.pack(sheet, 1);
    }
    out.writeSheet("gfx/pole.tga", sheet);
}

void ladybug(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(34, 26, [](cairo_t* cr) {
        circlePath(cr, 8, 14, 6);
        fillInked(cr, rgb(40, 40, 50), 1.5);
        for (int s : {-1, 1}) {
            cairo_move_to(cr, 5, 10);
            cairo_line_to(cr, 2, 10 + s * 6 - 2);
        }
        stroke(cr, kInk, 1.2);
        ellipsePath(cr, 19, 14, 12, 10);
        fillInked(cr, rgb(230, 40, 40), 1.8);
        cairo_move_to(cr, 8, 14);
        cairo_line_to(cr, 31, 14);
        stroke(cr, kInk, 1.3);
        const double spots[4][2] = {{14, 9}, {23, 9}, {16, 19}, {25, 19}};
        for (const auto& spot : spots) {
            circlePath(cr, spot[0], spot[1], 2.3);
            fill(cr, kInk);
        }
        gloss(cr, 16, 7, 4, 1.8, 0.6);
    }));
    out.writeSheet("gfx/ladybug.tga", sheet);
}

void chamomile(DataWriter& out) {
    SpriteSheet sheet;
    // Upright, the root at the bottom centre; the stem runs to the bottom edge.
    sheet.addFrame(Canvas::render(48, 128, [](cairo_t* cr) {
        cairo_move_to(cr, 24, 128);
        cairo_curve_to(cr, 22, 90, 27, 50, 24, 22);
        stroke(cr, rgb(60, 140, 50), 3.2);
        cairo_move_to(cr, 24, 84);
        cairo_curve_to(cr, 30, 74, 38, 72, 42, 74);
        cairo_curve_to(cr, 36, 82, 30, 84, 24, 84);
        fillInked(cr, rgb(90, 180, 70), 1.2, rgb(50, 110, 40));
        for (int i = 0; i < 12; ++i) {
            cairo_save(cr);
            cairo_translate(cr, 24, 20);
            cairo_rotate(cr, i * M_PI / 6);
            ellipsePath(cr, 0, -10, 3.6, 8);
            fillInked(cr, kWhite, 1.0, rgb(170, 170, 190));
            cairo_restore(cr);
        }
        shadedBall(cr, 24, 20, 6, rgb(255, 200, 40), 1.2);
    }));
    out.writeSheet("gfx/chamomile.tga", sheet);
}

void butterfly(DataWriter& out) {
    SpriteSheet sheet;
    // White and grey so the tint colours it; the head points left. Frame 0
    // has the wings folded up, the last has them spread wide.
    for (int f = 0; f < 4; ++f) {
        const double open = f / 3.0;
        sheet.addFrame(Canvas::render(48, 48, [open](cairo_t* cr) {
            const double bodyY = 34, cx = 25;
            const Colour rim = rgb(110, 110, 110);
            // Hind wing, then fore wing, each a lobe hinged on the body.
            ellipsePath(cr, cx + 5 + 7 * open, bodyY - 9 - 2 * open, 3 + 9 * open, 10 - 2 * open);
            fillInked(cr, rgb(230, 230, 230), 1.5, rim);
            ellipsePath(cr, cx - 2 - 8 * open, bodyY - 14 - 3 * open, 4 + 11 * open, 14 - 3 * open);
            fillInked(cr, kWhite, 1.5, rim);
            circlePath(cr, cx - 2 - 10 * open, bodyY - 18 - 3 * open, 1.5 + 2.5 * open);
            circlePath(cr, cx + 5 + 9 * open, bodyY - 10 - 2 * open, 1 + 2 * open);
            fill(cr, rgb(170, 170, 170));
            ellipsePath(cr, cx + 3, bodyY, 11, 3.2);
            fillInked(cr, rgb(100, 100, 100), 1.2, rgb(70, 70, 70));
            circlePath(cr, cx - 9, bodyY - 1, 3.4);
            fillInked(cr, rgb(100, 100, 100), 1.2, rgb(70, 70, 70));
            cairo_move_to(cr, cx - 10, bodyY - 4);
            cairo_curve_to(cr, cx - 12, bodyY - 10, cx - 16, bodyY - 12, cx - 19, bodyY - 12);
            cairo_move_to(cr, cx - 9, bodyY - 4);
            cairo_curve_to(cr, cx - 9, bodyY - 11, cx - 12, bodyY - 14, cx - 14, bodyY - 15);
            stroke(cr, rgb(90, 90, 90), 1.1);
        }));
    }
    out.writeSheet("gfx/butterfly.tga", sheet);
}

}  // namespace

void SceneryArt::generate(DataWriter& out) const {
    sky(out);
    hills(out);
    grass(out);
    ground(out);
    tallTree(out);
    roundTree(out);
    poles(out);
    ladybug(out);
    chamomile(out);
    butterfly(out);
}
