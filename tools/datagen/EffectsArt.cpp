#include "EffectsArt.h"

#include "Canvas.h"
#include "Paint.h"
#include "Rng.h"

#include <cmath>

using namespace paint;

namespace {

void softDot(cairo_t* cr, double x, double y, double r, double alpha) {
    cairo_pattern_t* p = cairo_pattern_create_radial(x, y, 0, x, y, r);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, alpha);
    cairo_pattern_add_color_stop_rgba(p, 0.5, 1, 1, 1, alpha * 0.6);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    circlePath(cr, x, y, r);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void smoke(DataWriter& out) {
    SpriteSheet sheet;
    Rng rng(21);
    for (int f = 0; f < 8; ++f) {
        const double age = f / 7.0;
        const double seedX[4] = {rng.range(-4, 4), rng.range(-4, 4), rng.range(-4, 4), rng.range(-4, 4)};
        sheet.addFrame(Canvas::render(32, 32, [age, &seedX](cairo_t* cr) {
            const double r = 6 + 6 * age, alpha = 0.95 - 0.75 * age;
            for (int i = 0; i < 4; ++i) {
                const double a = i * M_PI / 2 + age;
                softDot(cr, 16 + std::cos(a) * r * 0.5 + seedX[i] * age, 16 + std::sin(a) * r * 0.5, r, alpha);
            }
        }));
    }
    out.writeSheet("gfx/3ds_smoke.tga", sheet);
}

void flare(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(32, 32, [](cairo_t* cr) {
        softDot(cr, 16, 16, 15, 1.0);
        softDot(cr, 16, 16, 5, 1.0);
    }));
    out.writeSheet("gfx/flare.tga", sheet);
}

void stars(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(96, 96, [](cairo_t* cr) {
        starPath(cr, 48, 50, 44, 20, 5, 0);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        fillInked(cr, kWhite, 3.0, rgb(150, 150, 150));
        starPath(cr, 48, 50, 34, 15, 5, 0);
        stroke(cr, rgb(220, 220, 220), 2.0);
        gloss(cr, 38, 36, 8, 4, 0.9);
    }));
    sheet.addFrame(Canvas::render(16, 16, [](cairo_t* cr) {
        starPath(cr, 8, 8.5, 7.5, 3.2, 5, 0);
        fill(cr, kWhite);
    }));
    out.writeSheet("gfx/star.tga", sheet);
}

void circle(DataWriter& out) {
    SpriteSheet sheet;
    // Radius 102 px: the cloud code scales it by half-size / 102.
    sheet.addFrame(Canvas::render(208, 208, [](cairo_t* cr) {
        cairo_pattern_t* p = cairo_pattern_create_radial(104, 104, 96, 104, 104, 103);
        cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
        cairo_set_source(cr, p);
        circlePath(cr, 104, 104, 103);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }));
    out.writeSheet("gfx/circle.tga", sheet);
}

void blob(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(64, 64, [](cairo_t* cr) {
        cairo_move_to(cr, 32, 4);
        cairo_curve_to(cr, 40, 20, 54, 30, 54, 42);
        cairo_curve_to(cr, 54, 54, 44, 61, 32, 61);
        cairo_curve_to(cr, 20, 61, 10, 54, 10, 42);
        cairo_curve_to(cr, 10, 30, 24, 20, 32, 4);
        cairo_close_path(cr);
        fillGradientInked(cr, 4, rgb(120, 200, 255), 61, rgb(30, 90, 220), 2.5);
        gloss(cr, 23, 40, 5, 8, 0.75);
        circlePath(cr, 24, 52, 2);
        fill(cr, rgb(255, 255, 255, 0.6));
    }));
    out.writeSheet("gfx/blob.tga", sheet);
}

void solutionPath(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(16, 16, [](cairo_t* cr) {
        starPath(cr, 8, 8, 7.5, 3.5, 4, 0);
        fillInked(cr, kWhite, 1.2, rgb(140, 140, 140));
    }));
    sheet.addFrame(Canvas::render(16, 16, [](cairo_t* cr) {
        circlePath(cr, 8, 8, 6.5);
        fillInked(cr, kWhite, 1.5, rgb(140, 140, 140));
    }));
    // The line piece stretches along x: keep it even from end to end.
    sheet.addFrame(Canvas::render(32, 8, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 1, 32, 6);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 1, 0, 7);
        cairo_pattern_add_color_stop_rgba(p, 0, 0.75, 0.75, 0.75, 1);
        cairo_pattern_add_color_stop_rgba(p, 0.4, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(p, 1, 0.7, 0.7, 0.7, 1);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
    }));
    out.writeSheet("gfx/solutionpath.tga", sheet);
}

void alarmClock(DataWriter& out) {
    SpriteSheet sheet;
    const int frames = 12;
    for (int f = 0; f < frames; ++f) {
        const double used = f / double(frames - 1);
        sheet.addFrame(Canvas::render(44, 48, [used](cairo_t* cr) {
            const double cx = 22, cy = 27, r = 16;
            for (int s : {-1, 1}) {
                cairo_move_to(cr, cx + s * 8, cy + 12);
                cairo_line_to(cr, cx + s * 13, cy + 19);
                stroke(cr, kInk, 3);
                cairo_save(cr);
                cairo_translate(cr, cx + s * 12, cy - 14);
                cairo_rotate(cr, s * 0.6);
                cairo_new_sub_path(cr);
                cairo_arc(cr, 0, 0, 7, M_PI, 2 * M_PI);
                cairo_close_path(cr);
                fillInked(cr, rgb(255, 210, 60), 1.6);
                cairo_restore(cr);
            }
            circlePath(cr, cx, cy, r);
            fillInked(cr, rgb(240, 70, 60), 2.4);
            circlePath(cr, cx, cy, r - 4);
            fill(cr, kWhite);
            // What is left of the time, as a shrinking green pie.
            if (used < 1.0) {
                cairo_move_to(cr, cx, cy);
                cairo_arc(cr, cx, cy, r - 6, -M_PI / 2 + used * 2 * M_PI, 1.5 * M_PI);
                cairo_close_path(cr);
                fill(cr, used > 0.7 ? rgb(255, 120, 90) : rgb(120, 210, 90));
            }
            const double a = -M_PI / 2 + used * 2 * M_PI;
            cairo_move_to(cr, cx, cy);
            cairo_line_to(cr, cx + (r - 6) * std::cos(a), cy + (r - 6) * std::sin(a));
            stroke(cr, kInk, 2);
            circlePath(cr, cx, cy, 2);
            fill(cr, kInk);
            gloss(cr, cx - 7, cy - 8, 4, 2, 0.7);
        }));
    }
    out.writeSheet("gfx/alarmclock-countdown.tga", sheet);
}

void coin(DataWriter& out) {
    SpriteSheet sheet;
    // A silver coin turning once; the last frame repeats the first so the
    // spin reads right whether or not the code ever shows it.
    const int frames = 8;
    for (int f = 0; f < frames; ++f) {
        const double phase = M_PI * f / (frames - 1);
        const double squash = std::max(0.1, std::fabs(std::cos(phase)));
        sheet.addFrame(Canvas::render(32, 32, [squash](cairo_t* cr) {
            cairo_save(cr);
            cairo_translate(cr, 16, 16);
            cairo_scale(cr, squash, 1.0);
            circlePath(cr, 0, 0, 14);
            cairo_restore(cr);
            fillGradientInked(cr, 2, rgb(255, 255, 255), 30, rgb(170, 170, 180), 1.8);
            cairo_save(cr);
            cairo_translate(cr, 16, 16);
            cairo_scale(cr, squash, 1.0);
            circlePath(cr, 0, 0, 10);
            cairo_restore(cr);
            stroke(cr, rgb(150, 150, 160), 1.5);
            cairo_save(cr);
            cairo_translate(cr, 16, 16);
            cairo_scale(cr, squash, 1.0);
            starPath(cr, 0, 0.5, 6.5, 3, 5, 0);
            cairo_restore(cr);
            fill(cr, rgb(200, 200, 210));
            gloss(cr, 16 - 5 * squash, 9, 3 * squash, 2, 0.9);
        }));
    }
    out.writeSheet("gfx/coin.tga", sheet);
}

}  // namespace

void EffectsArt::generate(DataWriter& out) const {
    smoke(out);
    flare(out);
    stars(out);
    circle(out);
    blob(out);
    solutionPath(out);
    alarmClock(out);
    coin(out);
}
