#include "HouseArt.h"

#include "Canvas.h"
#include "Paint.h"

#include <cmath>

using namespace paint;

namespace {

const int kCellW = 112;
const int kCellH = 108;
const int kDoorW = 64;
const int kDoorH = 80;

// The doorway: an arch standing on the bottom edge, centred.
void doorwayPath(cairo_t* cr, double x0, double bottom, double w, double h) {
    const double r = w / 2;
    cairo_move_to(cr, x0, bottom);
    cairo_line_to(cr, x0, bottom - h + r);
    cairo_arc(cr, x0 + r, bottom - h + r, r, M_PI, 2 * M_PI);
    cairo_line_to(cr, x0 + w, bottom);
    cairo_close_path(cr);
}

Image wall() {
    return Canvas::render(kCellW, kCellH, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, kCellW, kCellH);
        fillGradientInked(cr, 0, rgb(255, 236, 200), kCellH, rgb(246, 214, 170), 0);
        for (int row = 0; row < 9; ++row) {
            const double y = 6 + row * 12;
            cairo_move_to(cr, 0, y);
            cairo_line_to(cr, kCellW, y);
        }
        stroke(cr, rgb(230, 196, 150, 0.6), 1);
        cairo_rectangle(cr, 0, 0, kCellW, 5);
        fill(cr, rgb(200, 140, 90));
        cairo_rectangle(cr, 0, 4.5, kCellW, 1.5);
        fill(cr, rgb(150, 100, 60));
        // Frame round the doorway, then the hole itself.
        const double x0 = (kCellW - kDoorW) / 2.0;
        doorwayPath(cr, x0 - 5, kCellH, kDoorW + 10, kDoorH - 1 + 5);
        fillInked(cr, rgb(190, 120, 70), 2.0);
        cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
        doorwayPath(cr, x0, kCellH, kDoorW, kDoorH - 1);
        cairo_fill(cr);
        cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
        // A little flower box each side of the door.
        for (double x : {4.0, kCellW - 18.0}) {
            cairo_rectangle(cr, x, 60, 14, 7);
            fillInked(cr, rgb(200, 110, 70), 1.2);
            for (int i = 0; i < 3; ++i) {
                circlePath(cr, x + 3 + i * 4, 57, 2.3);
                fill(cr, i == 1 ? rgb(255, 220, 60) : rgb(255, 100, 140));
            }
        }
        for (double x : {11.0, kCellW - 11.0}) {
            roundedRectPath(cr, x - 8, 18, 16, 20, 3);
            fillInked(cr, rgb(150, 210, 255), 1.5);
            cairo_move_to(cr, x, 18);
            cairo_line_to(cr, x, 38);
            cairo_move_to(cr, x - 8, 28);
            cairo_line_to(cr, x + 8, 28);
            stroke(cr, kInk, 1.2);
        }
    });
}

Image interior() {
    return Canvas::render(kDoorW, kDoorH, [](cairo_t* cr) {
        doorwayPath(cr, 0, kDoorH, kDoorW, kDoorH);
        fillGradientInked(cr, 0, rgb(60, 40, 60), kDoorH, rgb(100, 70, 80), 0);
        cairo_rectangle(cr, 0, kDoorH - 10, kDoorW, 10);
        fill(cr, rgb(120, 80, 60));
        roundedRectPath(cr, 8, kDoorH - 12, kDoorW - 16, 6, 3);
        fill(cr, rgb(200, 70, 80));
    });
}

Image door(bool bNote) {
    return Canvas::render(kDoorW, kDoorH, [bNote](cairo_t* cr) {
        doorwayPath(cr, 1, kDoorH, kDoorW - 2, kDoorH - 1);
        fillGradientInked(cr, 0, rgb(120, 190, 240), kDoorH, rgb(70, 140, 210), 2.0);
        for (double x : {16.0, 32.0, 48.0}) {
            cairo_move_to(cr, x, 14);
            cairo_line_to(cr, x, kDoorH - 2);
        }
        stroke(cr, rgb(50, 110, 180, 0.6), 1.2);
        circlePath(cr, kDoorW / 2.0, 24, 8);
        fillInked(cr, rgb(230, 245, 255), 1.6);
        shadedBall(cr, 52, 48, 3.5, rgb(255, 210, 60), 1.2);
        if (bNote) {
            cairo_save(cr);
            cairo_translate(cr, 26, 46);
            cairo_rotate(cr, -0.12);
            cairo_rectangle(cr, -10, -10, 20, 22);
            fillInked(cr, rgb(255, 250, 200), 1.4);
            for (int i = 0; i < 3; ++i) {
                cairo_move_to(cr, -6, -4 + i * 5);
                cairo_line_to(cr, 6 - (i == 2 ? 5 : 0), -4 + i * 5);
            }
            stroke(cr, rgb(120, 120, 160), 1.2);
            circlePath(cr, 0, -9, 2);
            fill(cr, rgb(230, 50, 50));
            cairo_restore(cr);
        }
    });
}

void apartment(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(wall());
    sheet.addFrame(interior());
    sheet.addFrame(door(false));
    sheet.addFrame(door(true));
    out.writeSheet("gfx/apartment.tga", sheet);
}

void roofTile(DataWriter& out) {
    SpriteSheet sheet;
    sheet.setExactSize(256, 256);
    const Image tile = Canvas::render(256, 256, [](cairo_t* cr) {
        cairo_rectangle(cr, 0, 0, 256, 256);
        fill(cr, rgb(170, 60, 50));
        // Rows of round shingles, 32 wide and 16 high, every other row offset
        // by half a shingle; drawn past the edges so the pattern wraps.
        for (int row = -1; row <= 16; ++row)
            for (int col = -1; col <= 8; ++col) {
                const double x = col * 32 + (row % 2 ? 16 : 0), y = row * 16;
                cairo_move_to(cr, x, y);
                cairo_line_to(cr, x, y + 10);
                cairo_arc_negative(cr, x + 16, y + 10, 16, M_PI, 0);
                cairo_line_to(cr, x + 32, y);
                cairo_close_path(cr);
                const Colour c = ((row + 16) % 16 + ((col + 8) % 8) * 3) % 5 == 0 ? rgb(214, 92, 70) : rgb(200, 80, 62);
                fillGradientInked(cr, y, c, y + 26, darker(c, 0.18), 0);
                cairo_arc_negative(cr, x + 16, y + 10, 16, M_PI, 0);
                stroke(cr, rgb(120, 40, 40), 1.5);
            }
    });
    sheet.addFrameAt(tile, 0, 0);
    out.writeSheet("gfx/roof-tileXY.tga", sheet);
}

void trimBand(cairo_t* cr, double x0, double y0, double x1, double y1) {
    cairo_move_to(cr, x0, y0);
    cairo_line_to(cr, x1, y1);
    cairo_line_to(cr, x1, y1 + 12);
    cairo_line_to(cr, x0, y0 + 12);
    cairo_close_path(cr);
    fillInked(cr, rgb(255, 250, 235), 2.0);
    for (int i = 1; i < 4; ++i) {
        const double t = i / 4.0;
        circlePath(cr, x0 + (x1 - x0) * t, y0 + (y1 - y0) * t + 6, 1.8);
    }
    fill(cr, rgb(200, 120, 90));
}

void roof(DataWriter& out) {
    SpriteSheet sheet;
    // 0: the slanted trim along one cell, rising 56 over 112 from its
    // bottom-left.
    sheet.addFrame(Canvas::render(kCellW, 72, [](cairo_t* cr) { trimBand(cr, 1, 58, kCellW, 2); }));
    // 1: the apex cap over the middle cell of an odd-width house.
    sheet.addFrame(Canvas::render(kCellW, 44, [](cairo_t* cr) {
        trimBand(cr, 0, 30, kCellW / 2.0, 2);
        trimBand(cr, kCellW / 2.0, 2, kCellW, 30);
    }));
    // 2: a round attic window.
    sheet.addFrame(Canvas::render(48, 48, [](cairo_t* cr) {
        circlePath(cr, 24, 24, 21);
        fillInked(cr, rgb(255, 250, 235), 2.5);
        circlePath(cr, 24, 24, 15);
        fillGradientInked(cr, 9, rgb(255, 240, 150), 39, rgb(250, 190, 80), 2.0);
        cairo_move_to(cr, 24, 9);
        cairo_line_to(cr, 24, 39);
        cairo_move_to(cr, 9, 24);
        cairo_line_to(cr, 39, 24);
        stroke(cr, kInk, 2);
    }));
    // 3: the corner post at the end of each floor.
    sheet.addFrame(Canvas::render(16, kCellH, [](cairo_t* cr) {
        cairo_rectangle(cr, 1, 0, 14, kCellH);
        fillGradientInked(cr, 0, rgb(210, 150, 100), kCellH, rgb(180, 120, 80), 2.0);
        for (int i = 0; i < 4; ++i) {
            roundedRectPath(cr, 3, 4 + i * 27, 10, 20, 3);
            fill(cr, rgb(230, 180, 130));
        }
    }));
    out.writeSheet("gfx/roof.tga", sheet);
}

}  // namespace

void HouseArt::generate(DataWriter& out) const {
    apartment(out);
    roofTile(out);
    roof(out);
}
