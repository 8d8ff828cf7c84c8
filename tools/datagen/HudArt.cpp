#include "HudArt.h"

#include "Canvas.h"
#include "Paint.h"

#include <cmath>

using namespace paint;

namespace {

void hud(DataWriter& out) {
    SpriteSheet sheet;
    // 0: the panel hanging from the top-left corner of the view.
    sheet.addFrame(Canvas::render(160, 64, [](cairo_t* cr) {
        cairo_move_to(cr, 0, 0);
        cairo_line_to(cr, 150, 0);
        cairo_arc(cr, 146, 52, 10, 0, M_PI / 2);
        cairo_line_to(cr, 0, 62);
        cairo_close_path(cr);
        fillGradientInked(cr, 0, rgb(40, 60, 130, 0.85), 62, rgb(20, 30, 80, 0.85), 2.0);
        cairo_move_to(cr, 4, 30);
        cairo_line_to(cr, 150, 30);
        stroke(cr, rgb(255, 255, 255, 0.25), 1.5);
    }));
    // 1: coin icon.
    sheet.addFrame(Canvas::render(20, 20, [](cairo_t* cr) {
        circlePath(cr, 10, 10, 8);
        fillGradientInked(cr, 2, rgb(255, 240, 140), 18, rgb(230, 170, 40), 1.6);
        starPath(cr, 10, 10.5, 4.5, 2, 5, 0);
        fill(cr, rgb(255, 250, 200));
    }));
    // 2: lives icon.
    sheet.addFrame(Canvas::render(20, 20, [](cairo_t* cr) {
        cairo_move_to(cr, 10, 17);
        cairo_curve_to(cr, -2, 9, 3, 0, 10, 6);
        cairo_curve_to(cr, 17, 0, 22, 9, 10, 17);
        cairo_close_path(cr);
        fillInked(cr, rgb(240, 60, 80), 1.6);
        gloss(cr, 6.5, 6.5, 2, 1.3, 0.8);
    }));
    // 3: one vitamin row; its left 40 px stay plain, the thermometer stands
    // there.
    sheet.addFrame(Canvas::render(160, 49, [](cairo_t* cr) {
        cairo_move_to(cr, 0, 2);
        cairo_line_to(cr, 146, 2);
        cairo_arc(cr, 146, 16, 14, -M_PI / 2, 0);
        cairo_arc(cr, 146, 26, 14, 0, M_PI / 2);
        cairo_line_to(cr, 0, 40);
        cairo_close_path(cr);
        fillGradientInked(cr, 2, rgb(60, 90, 160, 0.8), 40, rgb(30, 50, 110, 0.8), 1.6);
        // The name's label, black: the names come in colours from pure blue
        // and dark red to white, each over the medium font's own black rim,
        // and on black every one stands out as far as its colour can.
        roundedRectPath(cr, 36, 3, 80, 18, 6);
        fill(cr, rgb(0, 0, 0));
        circlePath(cr, 129, 20, 14);
        fill(cr, rgb(255, 255, 255, 0.2));
    }));
    // 4: the vitamin ball, white for the tint.
    sheet.addFrame(Canvas::render(24, 24, [](cairo_t* cr) {
        shadedBall(cr, 12, 12, 10.5, rgb(235, 235, 235), 1.6);
    }));
    // 5: the ball's white highlight.
    sheet.addFrame(Canvas::render(24, 24, [](cairo_t* cr) {
        gloss(cr, 8.5, 7.5, 4, 2.6, 0.95);
        circlePath(cr, 16, 16, 1.5);
        fill(cr, rgb(255, 255, 255, 0.6));
    }));
    out.writeSheet("gfx/hud.tga", sheet);
}

void thermometer(DataWriter& out) {
    SpriteSheet sheet;
    // The tube axis lies 3 px left of each skin's centre.
    // 0: the wooden frame, caps 12 (top) and 41 (bottom) kept when stretched.
    sheet.addFrame(Canvas::render(32, 96, [](cairo_t* cr) {
        const double axis = 13;
        roundedRectPath(cr, 2, 2, 24, 92, 10);
        fillGradientInked(cr, 2, rgb(200, 140, 80), 94, rgb(170, 110, 60), 2.0);
        roundedRectPath(cr, axis - 5, 6, 10, 80, 5);
        fill(cr, rgb(90, 60, 50));
        circlePath(cr, axis, 96 - 26, 13);
        fill(cr, rgb(90, 60, 50));
    }));
    // 1: column and bulb, white for the tint; caps 10 and 40.
    sheet.addFrame(Canvas::render(24, 64, [](cairo_t* cr) {
        const double axis = 9;
        roundedRectPath(cr, axis - 4, 1, 8, 50, 4);
        fill(cr, kWhite);
        circlePath(cr, axis, 64 - 26, 11);
        fill(cr, kWhite);
        cairo_rectangle(cr, axis - 1.5, 4, 2, 34);
        fill(cr, rgb(210, 210, 210));
    }));
    // 2: a slot mark across the tube.
    sheet.addFrame(Canvas::render(16, 4, [](cairo_t* cr) {
        roundedRectPath(cr, 0.5, 0.5, 15, 3, 1.5);
        fill(cr, rgb(255, 255, 255, 0.9));
    }));
    // 3: gloss over the bulb.
    sheet.addFrame(Canvas::render(16, 16, [](cairo_t* cr) {
        gloss(cr, 7, 7, 4.5, 3, 0.9);
        circlePath(cr, 11, 11, 1.3);
        fill(cr, rgb(255, 255, 255, 0.7));
    }));
    out.writeSheet("gfx/thermometer2.tga", sheet);
}

}  // namespace

void HudArt::generate(DataWriter& out) const {
    hud(out);
    thermometer(out);
}
