#include "PictureArt.h"

#include "Canvas.h"
#include "JoinedStrip.h"
#include "Paint.h"
#include "Rng.h"
#include "SmileyPainter.h"

#include <cmath>
#include <string>

using namespace paint;

namespace {

using Look = SmileyPainter::Look;

// Three pictures a row in a 256-pixel sheet.
const int kHelpSize = 82;

void checkMark(cairo_t* cr, double x, double y, double s) {
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x - s * 0.3, y + s * 0.7);
    cairo_line_to(cr, x + s, y - s * 0.8);
    stroke(cr, kInk, s * 0.75);
    cairo_move_to(cr, x - s, y);
    cairo_line_to(cr, x - s * 0.3, y + s * 0.7);
    cairo_line_to(cr, x + s, y - s * 0.8);
    stroke(cr, rgb(90, 210, 70), s * 0.45);
}

void crossMark(cairo_t* cr, double x, double y, double s) {
    for (int pass = 0; pass < 2; ++pass) {
        cairo_move_to(cr, x - s, y - s);
        cairo_line_to(cr, x + s, y + s);
        cairo_move_to(cr, x + s, y - s);
        cairo_line_to(cr, x - s, y + s);
        stroke(cr, pass ? rgb(240, 60, 60) : kInk, pass ? s * 0.45 : s * 0.75);
    }
}

void heart(cairo_t* cr, double x, double y, double s, const Colour& c) {
    cairo_move_to(cr, x, y + s * 0.8);
    cairo_curve_to(cr, x - s * 1.4, y - s * 0.1, x - s * 0.7, y - s * 1.2, x, y - s * 0.45);
    cairo_curve_to(cr, x + s * 0.7, y - s * 1.2, x + s * 1.4, y - s * 0.1, x, y + s * 0.8);
    cairo_close_path(cr);
    fillInked(cr, c, std::max(1.2, s * 0.12));
    gloss(cr, x - s * 0.45, y - s * 0.45, s * 0.2, s * 0.13, 0.8);
}

void coinIcon(cairo_t* cr, double x, double y, double r) {
    circlePath(cr, x, y, r);
    fillGradientInked(cr, y - r, rgb(255, 240, 140), y + r, rgb(230, 170, 40), 1.6);
    starPath(cr, x, y + r * 0.05, r * 0.55, r * 0.25, 5, 0);
    fill(cr, rgb(255, 250, 200));
}

void clockIcon(cairo_t* cr, double x, double y, double r) {
    circlePath(cr, x, y, r);
    fillInked(cr, rgb(240, 70, 60), 2);
    circlePath(cr, x, y, r * 0.72);
    fill(cr, kWhite);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x, y - r * 0.55);
    cairo_move_to(cr, x, y);
    cairo_line_to(cr, x + r * 0.4, y);
    stroke(cr, kInk, 1.6);
}

void eyesGlowRing(cairo_t* cr, double x, double y, double scale) {
    for (int s : {-1, 1}) {
        ellipsePath(cr, x + s * 9.5 * scale, y - 4 * scale, 8 * scale, 8.5 * scale);
        stroke(cr, rgb(128, 255, 0, 0.9), 2.5);
    }
}

void vitaminBall(cairo_t* cr, double x, double y, double r, const Colour& c) {
    shadedBall(cr, x, y, r, c, 1.6);
    gloss(cr, x - r * 0.35, y - r * 0.4, r * 0.35, r * 0.22, 0.9);
}

// Pictures of the help dialog, one per situation.
void helpPicture(cairo_t* cr, int index) {
    switch (index) {
    case 0:  // clowns are wildcards
        SmileyPainter::smiley(cr, 18, 50, 0.6, Look{0, 1, 0, -1, 0});
        SmileyPainter::clownWhole(cr, 42, 40, 0.7);
        SmileyPainter::smiley(cr, 66, 50, 0.6, Look{2, 1, 0, -1, 0});
        checkMark(cr, 42, 74, 6);
        break;
    case 1:  // a life was lost
        heart(cr, 42, 44, 26, rgb(240, 60, 80));
        cairo_move_to(cr, 42, 24);
        cairo_line_to(cr, 36, 36);
        cairo_line_to(cr, 46, 46);
        cairo_line_to(cr, 38, 58);
        cairo_line_to(cr, 42, 64);
        stroke(cr, kInk, 3);
        break;
    case 2:  // vitamins
        vitaminBall(cr, 30, 40, 16, rgb(255, 120, 60));
        vitaminBall(cr, 56, 34, 11, rgb(120, 220, 90));
        vitaminBall(cr, 54, 60, 9, rgb(90, 160, 255));
        starPath(cr, 16, 18, 6, 2.5, 4, 0);
        starPath(cr, 70, 16, 5, 2, 4, 0);
        fill(cr, rgb(255, 240, 120));
        break;
    case 3:  // a mistake: the clashing features glow green
        SmileyPainter::smiley(cr, 22, 42, 0.65, Look{0, 1, 0, -1, 0});
        SmileyPainter::smiley(cr, 62, 42, 0.65, Look{1, 1, 4, -1, 0});
        eyesGlowRing(cr, 22, 42, 0.65);
        eyesGlowRing(cr, 62, 42, 0.65);
        crossMark(cr, 42, 70, 6);
        break;
    case 4:  // an impatient smiley holding its breath
        SmileyPainter::smiley(cr, 42, 52, 0.8, Look{2, 2, 1, -1, 2});
        clockIcon(cr, 42, 14, 11);
        for (int s : {-1, 1}) {
            circlePath(cr, 42 + s * 26, 44, 3);
            fill(cr, rgb(255, 255, 255, 0.8));
        }
        break;
    case 5:  // not enough coins
        coinIcon(cr, 34, 46, 18);
        coinIcon(cr, 52, 52, 14);
        crossMark(cr, 62, 24, 8);
        break;
    case 6:  // a bright idea
        circlePath(cr, 42, 36, 18);
        fillGradientInked(cr, 18, rgb(255, 250, 180), 54, rgb(255, 210, 60), 2);
        roundedRectPath(cr, 34, 52, 16, 14, 3);
        fillInked(cr, rgb(180, 180, 190), 2);
        for (int i = 0; i < 7; ++i) {
            const double a = M_PI + i * M_PI / 6;
            cairo_move_to(cr, 42 + 23 * std::cos(a), 36 + 23 * std::sin(a));
            cairo_line_to(cr, 42 + 30 * std::cos(a), 36 + 30 * std::sin(a));
        }
        stroke(cr, rgb(255, 220, 60), 2.5);
        break;
    case 7:  // no valid matches left
        SmileyPainter::smiley(cr, 22, 48, 0.6, Look{0, 3, 5, -1, 0});
        SmileyPainter::smiley(cr, 62, 48, 0.6, Look{0, 3, 5, -1, 0});
        cairo_new_sub_path(cr);
        cairo_arc(cr, 42, 16, 7, M_PI, 2.3 * M_PI);
        cairo_curve_to(cr, 46, 24, 42, 25, 42, 30);
        stroke(cr, kInk, 4.5);
        circlePath(cr, 42, 37, 2.8);
        fill(cr, kInk);
        break;
    default:  // the challenge round: one match, against the clock
        SmileyPainter::smiley(cr, 30, 50, 0.7, Look{1, 4, 0, -1, 1});
        clockIcon(cr, 64, 26, 13);
        starPath(cr, 64, 62, 10, 4.5, 5, 0);
        fillInked(cr, rgb(255, 230, 80), 1.6);
        break;
    }
}

// The neighbourhood introductions: two smileys that match under the rules
// of neighbourhood n, differing in exactly the features that matter there.
void neighbourhoodPicture(cairo_t* cr, int n) {
    const bool bHair = n == 1 || n == 4 || n == 6 || n == 7;
    const bool bBody = n == 2 || n == 4 || n == 5 || n == 7;
    const bool bBrows = n == 3 || n == 5 || n == 6 || n == 7;
    const Look a{0, 1, 0, bHair ? 0 : -1, 0};
    const Look b{bBody ? 2 : 0, 5, 4, bHair ? 4 : -1, bBrows ? 1 : 0};
    SmileyPainter::smiley(cr, 22, 46, 0.68, a);
    SmileyPainter::smiley(cr, 62, 46, 0.68, b);
    heart(cr, 42, 74, 6, rgb(255, 100, 140));
    for (int i = 0; i <= n; ++i) {
        circlePath(cr, 42 - n * 4.0 + i * 8, 8, 2.5);
        fill(cr, i == n ? rgb(255, 200, 40) : rgb(255, 255, 255, 0.8));
    }
}

void howToPlayPicture(cairo_t* cr, int mode) {
    if (mode == 0) {  // puzzle: one chain through neighbouring apartments
        const double xs[4] = {40, 95, 150, 205};
        cairo_move_to(cr, xs[0], 24);
        cairo_line_to(cr, xs[1], 24);
        cairo_line_to(cr, xs[1], 60);
        cairo_line_to(cr, xs[2], 60);
        cairo_line_to(cr, xs[2], 24);
        cairo_line_to(cr, xs[3], 24);
        cairo_line_to(cr, xs[3], 60);
        stroke(cr, rgb(192, 255, 0), 5);
        for (int i = 0; i < 4; ++i)
            for (int row = 0; row < 2; ++row)
                SmileyPainter::smiley(cr, xs[i], 24 + row * 36, 0.5,
                                      Look{(i + row) % 3, (i * 3 + row) % 8, (i + row * 5) % 8, -1, 0});
    } else if (mode == 1) {  // action: fill the thermometer before it drains
        roundedRectPath(cr, 14, 8, 16, 58, 8);
        fillInked(cr, rgb(230, 240, 255), 2);
        circlePath(cr, 22, 66, 11);
        fillInked(cr, rgb(240, 70, 60), 2);
        roundedRectPath(cr, 18, 30, 8, 36, 4);
        fill(cr, rgb(240, 70, 60));
        clockIcon(cr, 58, 24, 14);
        for (int i = 0; i < 3; ++i)
            SmileyPainter::smiley(cr, 110 + i * 50, 44, 0.62, Look{i, i * 2, i * 3, -1, 0});
        checkMark(cr, 234, 44, 8);
    } else {  // quest: clear the house, leftovers fill the slots
        cairo_move_to(cr, 40, 34);
        cairo_line_to(cr, 100, 6);
        cairo_line_to(cr, 160, 34);
        cairo_close_path(cr);
        fillInked(cr, rgb(200, 80, 62), 2);
        cairo_rectangle(cr, 48, 34, 104, 44);
        fillInked(cr, rgb(255, 236, 200), 2);
        for (int i = 0; i < 3; ++i)
            SmileyPainter::smiley(cr, 66 + i * 34, 58, 0.5, Look{i, 7 - i, i + 2, -1, 0});
        roundedRectPath(cr, 200, 8, 16, 58, 8);
        fillInked(cr, rgb(230, 240, 255), 2);
        for (int i = 0; i < 4; ++i) {
            cairo_move_to(cr, 200, 20 + i * 11);
            cairo_line_to(cr, 216, 20 + i * 11);
        }
        stroke(cr, kInk, 1.5);
        circlePath(cr, 208, 68, 10);
        fillInked(cr, rgb(90, 160, 255), 2);
    }
}

// Pictures 0 to count - 1, drawn for 84 pixels and shrunk to fit three a row.
void helpSheet(DataWriter& out, const std::string& path, int count, void (*picture)(cairo_t*, int)) {
    SpriteSheet sheet;
    for (int i = 0; i < count; ++i)
        sheet.addFrame(Canvas::render(kHelpSize, kHelpSize, [picture, i](cairo_t* cr) {
            cairo_scale(cr, kHelpSize / 84.0, kHelpSize / 84.0);
            picture(cr, i);
        }));
    out.writeSheet(path, sheet);
}

// The intro's puppets: the parts of one smiley, each on a canvas centred on
// the face, so the centred anchors stack them.
const double kPuppet = 1.05;
const int kHeroBody = 0;
const int kHeroHair = 2;

void puppetEyesOpen(cairo_t* cr) {
    cairo_scale(cr, kPuppet, kPuppet);
    for (int s : {-1, 1}) {
        ellipsePath(cr, s * 9.5, -4, 6.2, 7.2);
        fillInked(cr, kWhite, 1.6);
    }
}

void puppetPupils(cairo_t* cr) {
    cairo_scale(cr, kPuppet, kPuppet);
    for (int s : {-1, 1}) {
        circlePath(cr, s * 9.5, -3, 3.3);
        fill(cr, kInk);
        circlePath(cr, s * 9.5 + 1.2, -4.4, 1.2);
        fill(cr, kWhite);
    }
}

void puppetEyesClosed(cairo_t* cr) {
    cairo_scale(cr, kPuppet, kPuppet);
    SmileyPainter::eyes(cr, 1, true);
}

void puppetBody(cairo_t* cr, int body, int hair) {
    cairo_scale(cr, kPuppet, kPuppet);
    SmileyPainter::body(cr, body);
    if (hair >= 0)
        SmileyPainter::hair(cr, hair);
}

void puppetMouth(cairo_t* cr, int mouth) {
    cairo_scale(cr, kPuppet, kPuppet);
    SmileyPainter::mouth(cr, mouth);
}

void intro(DataWriter& out) {
    // The hero's body and eyes appear in both sheets.
    const Image heroBody = Canvas::renderCentred(84, [](cairo_t* cr) { puppetBody(cr, kHeroBody, kHeroHair); });
    const Image eyesOpen = Canvas::renderCentred(48, puppetEyesOpen);
    const Image pupils = Canvas::renderCentred(48, puppetPupils);
    const Image eyesClosed = Canvas::renderCentred(48, puppetEyesClosed);

    SpriteSheet one;
    one.addFrame(heroBody);
    one.addFrame(Canvas::renderCentred(48, [](cairo_t* cr) { puppetMouth(cr, 5); }));
    one.addFrame(Canvas::renderCentred(48, [](cairo_t* cr) { puppetMouth(cr, 6); }));
    one.addFrame(eyesOpen);
    one.addFrame(pupils);
    one.addFrame(eyesClosed);
    // Thought picture: the resident who looks just like the hero...
    one.addFrame(Canvas::renderCentred(64, [](cairo_t* cr) {
        SmileyPainter::smiley(cr, 0, 2, 0.9, Look{kHeroBody, 1, 5, kHeroHair, 0});
    }));
    // ...and the mark crossing it out.
    one.addFrame(Canvas::renderCentred(64, [](cairo_t* cr) { crossMark(cr, 0, 2, 20); }));
    one.addFrame(Canvas::renderCentred(84, [](cairo_t* cr) { puppetBody(cr, 2, 1); }));
    one.addFrame(Canvas::renderCentred(48, [](cairo_t* cr) {
        puppetEyesOpen(cr);
        cairo_scale(cr, 1 / kPuppet, 1 / kPuppet);
        puppetPupils(cr);
        cairo_scale(cr, 1 / kPuppet, 1 / kPuppet);
        puppetMouth(cr, 0);
    }));
    one.addFrame(Canvas::renderCentred(48, [](cairo_t* cr) {
        puppetEyesClosed(cr);
        cairo_scale(cr, 1 / kPuppet, 1 / kPuppet);
        puppetMouth(cr, 0);
    }));
    one.addFrame(Canvas::renderCentred(40, [](cairo_t* cr) { heart(cr, 0, 1, 16, rgb(255, 80, 120)); }));
    out.writeSheet("gfx/intro1.tga", one);

    SpriteSheet two;
    two.addFrame(heroBody);
    two.addFrame(Canvas::renderCentred(48, [](cairo_t* cr) {
        puppetPupils(cr);
        cairo_scale(cr, 1 / kPuppet, 1 / kPuppet);
        puppetMouth(cr, 5);
    }));
    two.addFrame(pupils);
    two.addFrame(eyesOpen);
    two.addFrame(eyesClosed);
    out.writeSheet("gfx/intro2.tga", two);
}

struct Place {
    double x, y;
};
// Map-image pixels of the eight neighbourhoods, in journey order.
const Place kPlaces[8] = {{15, 55}, {85, 40}, {150, 35}, {105, 70}, {190, 140}, {320, 160}, {285, 105}, {315, 55}};

void drawMap(cairo_t* cr) {
    roundedRectPath(cr, 2, 2, 396, 196, 18);
    fillGradientInked(cr, 2, rgb(150, 215, 250), 198, rgb(110, 185, 240), 2.5);
    Rng rng(31);
    // The land: a large island with soft bays.
    cairo_move_to(cr, 8, 30);
    cairo_curve_to(cr, 60, 8, 150, 6, 220, 16);
    cairo_curve_to(cr, 300, 22, 380, 20, 392, 60);
    cairo_curve_to(cr, 396, 120, 380, 190, 320, 192);
    cairo_curve_to(cr, 260, 194, 200, 180, 170, 170);
    cairo_curve_to(cr, 120, 150, 60, 120, 20, 100);
    cairo_curve_to(cr, 4, 80, 4, 50, 8, 30);
    cairo_close_path(cr);
    fillGradientInked(cr, 8, rgb(160, 225, 120), 192, rgb(110, 190, 90), 2.5);
    for (int i = 0; i < 14; ++i) {
        const double x = rng.range(40, 370), y = rng.range(30, 170);
        cairo_move_to(cr, x - 8, y + 5);
        cairo_line_to(cr, x, y - 8);
        cairo_line_to(cr, x + 8, y + 5);
        cairo_close_path(cr);
        fillInked(cr, rgb(70, 160, 90), 1.2, rgb(40, 110, 60));
    }
    // A river, then the road through all eight places.
    cairo_move_to(cr, 230, 14);
    cairo_curve_to(cr, 220, 70, 250, 110, 230, 180);
    stroke(cr, rgb(110, 185, 240), 6);
    cairo_move_to(cr, kPlaces[0].x, kPlaces[0].y);
    for (int i = 1; i < 8; ++i) {
        const Place& a = kPlaces[i - 1];
        const Place& b = kPlaces[i];
        cairo_curve_to(cr, a.x + (b.x - a.x) * 0.3, a.y + 12, b.x - (b.x - a.x) * 0.3, b.y - 12, b.x, b.y);
    }
    const double dash[2] = {6, 5};
    cairo_set_dash(cr, dash, 2, 0);
    stroke(cr, rgb(200, 140, 80), 3.5);
    cairo_set_dash(cr, nullptr, 0, 0);
    for (const Place& p : kPlaces) {
        cairo_move_to(cr, p.x - 8, p.y - 2);
        cairo_line_to(cr, p.x, p.y - 10);
        cairo_line_to(cr, p.x + 8, p.y - 2);
        cairo_close_path(cr);
        fillInked(cr, rgb(220, 80, 60), 1.4);
        cairo_rectangle(cr, p.x - 6, p.y - 2, 12, 9);
        fillInked(cr, rgb(255, 240, 210), 1.4);
    }
}

void journeyMap(DataWriter& out) {
    const Image whole = Canvas::render(400, 200, drawMap);
    JoinedStrip strip(JoinedStrip::ACROSS, false);
    strip.add(whole.crop(0, 0, 200, 200));
    strip.add(whole.crop(200, 0, 200, 200));
    SpriteSheet left;
    strip.pack(left, 0);
    out.writeSheet("gfx/map_0_0.tga", left);
    SpriteSheet right;
    strip.pack(right, 1);
    out.writeSheet("gfx/map_1_0.tga", right);
}

}  // namespace

void PictureArt::logo(DataWriter& out) const {
    // One title drawn as vector text, cut into two halves that each leave a
    // column on both sides of their 256-pixel texture for the joining border.
    const int half = 254, width = 2 * half;
    const Image whole = Canvas::render(width, 100, [this, half, width](cairo_t* cr) {
        const char* title = "Glimmerdale";
        cairo_set_font_face(cr, face.cairoFace());
        // The title must fit inside the two frames with room for its outline,
        // so the size comes down from 82 until the whole word fits.
        cairo_text_extents_t ext;
        for (double size = 82; size > 20; size -= 2) {
            cairo_set_font_size(cr, size);
            cairo_text_extents(cr, title, &ext);
            if (ext.width <= width - 24 && ext.height <= 100 - 24)
                break;
        }
        const double x = half - ext.width / 2 - ext.x_bearing, y = 54 - ext.height / 2 - ext.y_bearing;
        cairo_move_to(cr, x, y);
        cairo_text_path(cr, title);
        setColour(cr, kInk);
        cairo_set_line_width(cr, 10);
        cairo_stroke_preserve(cr);
        cairo_pattern_t* p = cairo_pattern_create_linear(0, 14, 0, 84);
        cairo_pattern_add_color_stop_rgb(p, 0, 1.0, 0.95, 0.45);
        cairo_pattern_add_color_stop_rgb(p, 0.55, 1.0, 0.7, 0.15);
        cairo_pattern_add_color_stop_rgb(p, 1, 0.95, 0.4, 0.2);
        cairo_set_source(cr, p);
        cairo_fill(cr);
        cairo_pattern_destroy(p);
        for (int i = 0; i < 5; ++i) {
            starPath(cr, 40 + i * 107, 12 + (i % 2) * 6, 7, 3, 4, 0);
            fillInked(cr, rgb(255, 255, 200), 1.2);
        }
    });
    SpriteSheet sheet;
    sheet.setExactSize(256, 256);
    JoinedStrip strip(JoinedStrip::ACROSS, false);
    strip.add(whole.crop(0, 0, half, 100));
    strip.add(whole.crop(half, 0, half, 100));
    strip.placeAt(sheet, 0, 0, 1);
    strip.placeAt(sheet, 1, 0, 104);
    out.writeSheet("gfx/logoS.tga", sheet);
}

void PictureArt::generate(DataWriter& out) const {
    logo(out);
    helpSheet(out, "gfx/help.tga", 9, helpPicture);
    helpSheet(out, "gfx/help2.tga", 8, neighbourhoodPicture);
    SpriteSheet help3;
    for (int mode = 0; mode < 3; ++mode)
        help3.addFrame(Canvas::render(250, 82, [mode](cairo_t* cr) { howToPlayPicture(cr, mode); }));
    out.writeSheet("gfx/help3.tga", help3);
    intro(out);
    journeyMap(out);
}
