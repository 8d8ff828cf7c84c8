#include "GuiArt.h"

#include "Canvas.h"
#include "Paint.h"
#include "SmileyPainter.h"

#include <cmath>

using namespace paint;

namespace {

const Colour kItemBlue = rgb(36, 56, 120, 0.85);
const Colour kGlowYellow = rgb(255, 226, 120);

void progressBar(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(252, 32, [](cairo_t* cr) {
        roundedRectPath(cr, 2, 2, 248, 28, 14);
        fillInked(cr, rgb(40, 44, 70), 2.5, rgb(200, 210, 240));
        roundedRectPath(cr, 7, 7, 238, 18, 9);
        fill(cr, rgb(20, 22, 40));
    }));
    sheet.addFrame(Canvas::render(236, 16, [](cairo_t* cr) {
        roundedRectPath(cr, 0, 1, 236, 14, 7);
        fillGradientInked(cr, 1, rgb(255, 236, 120), 15, rgb(255, 150, 30), 0);
        roundedRectPath(cr, 6, 3, 224, 4, 2);
        fill(cr, rgb(255, 255, 255, 0.55));
    }));
    out.writeSheet("gfx/gui/game/progressbar.tga", sheet);
}

void arrowCursorPath(cairo_t* cr) {
    cairo_move_to(cr, 2, 2);
    cairo_line_to(cr, 2, 24);
    cairo_line_to(cr, 8, 19);
    cairo_line_to(cr, 12, 28);
    cairo_line_to(cr, 16.5, 26);
    cairo_line_to(cr, 12.5, 17.5);
    cairo_line_to(cr, 20, 17);
    cairo_close_path(cr);
}

void mousePointer(DataWriter& out) {
    SpriteSheet sheet;
    // The anchor is the tip, in the top-left corner of each 32 x 32 frame.
    for (int pressed = 0; pressed < 2; ++pressed)
        sheet.addFrame(Canvas::render(32, 32,
                                      [pressed](cairo_t* cr) {
                                          arrowCursorPath(cr);
                                          fillGradientInked(cr, 2,
                                                            pressed ? rgb(255, 200, 80) : rgb(255, 255, 255), 28,
                                                            pressed ? rgb(255, 140, 20) : rgb(190, 220, 255), 2.0);
                                      }),
                       16, 16);
    out.writeSheet("gfx/gui/game/mousepointer.tga", sheet);
}

void pill(cairo_t* cr, double w, double h, const Colour& body, const Colour& rim, double rimWidth) {
    roundedRectPath(cr, 2, 2, w - 4, h - 4, (h - 4) / 2);
    setColour(cr, body);
    cairo_fill_preserve(cr);
    stroke(cr, rim, rimWidth);
}

void editBox(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(64, 32, [](cairo_t* cr) { pill(cr, 64, 32, kItemBlue, rgb(170, 190, 255), 2); }));
    sheet.addFrame(Canvas::render(64, 32, [](cairo_t* cr) {
        pill(cr, 64, 32, rgb(70, 100, 200, 0.6), kGlowYellow, 3);
    }));
    out.writeSheet("gfx/gui/game/editbox.tga", sheet);
}

void button(DataWriter& out) {
    SpriteSheet sheet;
    for (int highlight = 0; highlight < 2; ++highlight)
        sheet.addFrame(Canvas::render(80, 38, [highlight](cairo_t* cr) {
            roundedRectPath(cr, 2, 2, 76, 34, 14);
            fillGradientInked(cr, 2, highlight ? rgb(110, 150, 255) : rgb(70, 100, 210), 36,
                              highlight ? rgb(50, 70, 180) : rgb(30, 44, 120), 2.4);
            roundedRectPath(cr, 10, 6, 60, 9, 4.5);
            fill(cr, rgb(255, 255, 255, highlight ? 0.45 : 0.3));
            if (highlight) {
                roundedRectPath(cr, 2, 2, 76, 34, 14);
                stroke(cr, kGlowYellow, 2.0);
            }
        }));
    out.writeSheet("gfx/gui/game/button.tga", sheet);
}

void cloudPath(cairo_t* cr, double w, double h) {
    // Bumps along the top and bottom edge; the middle band stretches, so the
    // bumps of the end caps (26 px) carry the cloud look.
    const double r = h * 0.3;
    cairo_new_sub_path(cr);
    cairo_arc(cr, r + 3, h / 2, r, M_PI / 2, 3 * M_PI / 2);
    cairo_arc(cr, 20, h * 0.3, r * 0.9, M_PI, 1.6 * M_PI);
    cairo_line_to(cr, w - 20, h * 0.3 - r * 0.9);
    cairo_arc(cr, w - 20, h * 0.3, r * 0.9, 1.4 * M_PI, 2 * M_PI);
    cairo_arc(cr, w - r - 3, h / 2, r, -M_PI / 2, M_PI / 2);
    cairo_arc(cr, w - 20, h * 0.7, r * 0.9, 0, 0.6 * M_PI);
    cairo_line_to(cr, 20, h * 0.7 + r * 0.9);
    cairo_arc(cr, 20, h * 0.7, r * 0.9, 0.4 * M_PI, M_PI);
    cairo_close_path(cr);
}

void cloudButton(DataWriter& out) {
    SpriteSheet sheet;
    for (int highlight = 0; highlight < 2; ++highlight)
        sheet.addFrame(Canvas::render(64, 40, [highlight](cairo_t* cr) {
            cloudPath(cr, 64, 40);
            fillGradientInked(cr, 4, highlight ? rgb(140, 190, 255) : rgb(100, 160, 240), 36,
                              highlight ? rgb(70, 110, 220) : rgb(50, 90, 190), 2.2);
            if (highlight) {
                cloudPath(cr, 64, 40);
                stroke(cr, kGlowYellow, 1.8);
            }
            ellipsePath(cr, 15, 12, 6, 3);
            fill(cr, rgb(255, 255, 255, 0.4));
        }));
    out.writeSheet("gfx/gui/game/button-cloud.tga", sheet);
}

void square(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(64, 64, [](cairo_t* cr) {
        roundedRectPath(cr, 2, 2, 60, 60, 14);
        fillInked(cr, rgb(96, 140, 186, 0.94), 3.0, rgb(40, 50, 90));
        roundedRectPath(cr, 6, 6, 52, 52, 10);
        stroke(cr, rgb(230, 240, 255, 0.8), 2.0);
    }));
    out.writeSheet("gfx/gui/game/square.tga", sheet);
}

void woodGrain(cairo_t* cr, double x0, double y0, double w, double h) {
    for (int i = 1; i < 4; ++i) {
        const double y = y0 + h * i / 4.0;
        cairo_move_to(cr, x0 + 6, y);
        cairo_curve_to(cr, x0 + w * 0.3, y - 2, x0 + w * 0.6, y + 2, x0 + w - 6, y);
    }
    stroke(cr, rgb(60, 36, 20, 0.5), 1.2);
}

void boardArrow(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(236, 64, [](cairo_t* cr) {
        cairo_move_to(cr, 4, 8);
        cairo_line_to(cr, 196, 8);
        cairo_line_to(cr, 232, 32);
        cairo_line_to(cr, 196, 56);
        cairo_line_to(cr, 4, 56);
        cairo_close_path(cr);
        // Dark walnut: the neighbourhood's orange name reads on it.
        fillGradientInked(cr, 8, rgb(108, 70, 40), 56, rgb(80, 50, 28), 3.0);
        woodGrain(cr, 4, 8, 200, 48);
        for (double x : {16.0, 184.0}) {
            circlePath(cr, x, 32, 3);
            fillInked(cr, rgb(200, 200, 210), 1.2);
        }
    }));
    out.writeSheet("gfx/gui/game/board-arrowR.tga", sheet);
}

void arrowShape(cairo_t* cr, double w, double h, double shaft) {
    const double head = h * 0.9;
    cairo_move_to(cr, 3, h / 2 - shaft / 2);
    cairo_line_to(cr, w - head, h / 2 - shaft / 2);
    cairo_line_to(cr, w - head, 3);
    cairo_line_to(cr, w - 3, h / 2);
    cairo_line_to(cr, w - head, h - 3);
    cairo_line_to(cr, w - head, h / 2 + shaft / 2);
    cairo_line_to(cr, 3, h / 2 + shaft / 2);
    cairo_close_path(cr);
}

void arrows(DataWriter& out) {
    SpriteSheet sheet;
    // White (the messages tint them), pointing right.
    sheet.addFrame(Canvas::render(48, 32, [](cairo_t* cr) {
        arrowShape(cr, 48, 32, 12);
        fillInked(cr, kWhite, 2.0, rgb(70, 70, 80));
    }));
    sheet.addFrame(Canvas::render(128, 48, [](cairo_t* cr) {
        arrowShape(cr, 128, 48, 16);
        fillInked(cr, kWhite, 2.5, rgb(90, 90, 100));
    }));
    out.writeSheet("gfx/arrow.tga", sheet);
}

void studioLogo(DataWriter& out) {
    SpriteSheet sheet;
    sheet.addFrame(Canvas::render(250, 160, [](cairo_t* cr) {
        // A sunny hill with three smileys peeking over it.
        circlePath(cr, 125, 70, 60);
        fill(cr, rgb(255, 220, 90, 0.35));
        for (int i = 0; i < 12; ++i) {
            const double a = i * M_PI / 6;
            cairo_move_to(cr, 125 + 64 * std::cos(a), 70 + 64 * std::sin(a));
            cairo_line_to(cr, 125 + 76 * std::cos(a), 70 + 76 * std::sin(a));
        }
        stroke(cr, rgb(255, 200, 60), 4);
        using Look = SmileyPainter::Look;
        SmileyPainter::smiley(cr, 80, 78, 0.9, Look{1, 1, 0, 4});
        SmileyPainter::smiley(cr, 170, 78, 0.9, Look{2, 3, 4, 0});
        SmileyPainter::smiley(cr, 125, 64, 1.1, Look{0, 0, 0, 2});
        cairo_move_to(cr, 0, 160);
        cairo_curve_to(cr, 60, 96, 190, 96, 250, 160);
        cairo_close_path(cr);
        fillGradientInked(cr, 100, rgb(140, 220, 90), 160, rgb(70, 160, 60), 3);
    }));
    out.writeSheet("gfx/system/bfstudios.tga", sheet);
}

void languageFlag(DataWriter& out) {
    SpriteSheet sheet;
    // An emblem of our own: a pennant with a speech bubble, for English.
    sheet.addFrame(Canvas::render(64, 40, [](cairo_t* cr) {
        roundedRectPath(cr, 2, 2, 60, 36, 6);
        fillGradientInked(cr, 2, rgb(90, 150, 255), 38, rgb(40, 80, 200), 2);
        cairo_move_to(cr, 2, 14);
        cairo_line_to(cr, 62, 14);
        cairo_move_to(cr, 2, 26);
        cairo_line_to(cr, 62, 26);
        stroke(cr, rgb(255, 255, 255, 0.85), 5);
        roundedRectPath(cr, 20, 9, 24, 18, 6);
        fillInked(cr, rgb(230, 50, 60), 1.5);
        cairo_move_to(cr, 26, 26);
        cairo_line_to(cr, 24, 32);
        cairo_line_to(cr, 31, 26);
        fillInked(cr, rgb(230, 50, 60), 1.5);
    }));
    out.writeSheet("gfx/system/languageflags.tga", sheet);
}

void autoConfigure(DataWriter& out) {
    SpriteSheet sheet;
    // A little monitor with a smiley and a spanner: the display is being set
    // up.
    sheet.addFrame(Canvas::render(128, 112, [](cairo_t* cr) {
        roundedRectPath(cr, 8, 6, 112, 78, 8);
        fillInked(cr, rgb(80, 90, 120), 3);
        roundedRectPath(cr, 16, 14, 96, 62, 4);
        fillGradientInked(cr, 14, rgb(120, 200, 255), 76, rgb(60, 130, 220), 0);
        SmileyPainter::smiley(cr, 64, 45, 0.85, SmileyPainter::Look{0, 1, 0});
        cairo_move_to(cr, 52, 84);
        cairo_line_to(cr, 48, 100);
        cairo_line_to(cr, 80, 100);
        cairo_line_to(cr, 76, 84);
        cairo_close_path(cr);
        fillInked(cr, rgb(80, 90, 120), 2.5);
        cairo_save(cr);
        cairo_translate(cr, 104, 86);
        cairo_rotate(cr, -0.7);
        roundedRectPath(cr, -4, -2, 8, 26, 3);
        fillInked(cr, rgb(210, 210, 220), 2);
        circlePath(cr, 0, -4, 8);
        fillInked(cr, rgb(210, 210, 220), 2);
        roundedRectPath(cr, -3, -14, 6, 10, 2);
        fill(cr, rgb(80, 90, 120));
        cairo_restore(cr);
    }));
    out.writeSheet("gfx/system/autoconfigure.tga", sheet);
}

}  // namespace

void GuiArt::generate(DataWriter& out) const {
    progressBar(out);
    mousePointer(out);
    editBox(out);
    button(out);
    cloudButton(out);
    square(out);
    boardArrow(out);
    arrows(out);
    studioLogo(out);
    languageFlag(out);
    autoConfigure(out);
}
