#include "SmileyPainter.h"

#include <cmath>

using namespace paint;

namespace {

const double kEyeX = 9.5;
const double kEyeY = -4.0;
const double kBrowY = -14.5;
const double kMouthY = 10.0;
// Near black, so brows read on the dark blue body too.
const Colour kBrowColour = {42 / 255.0, 26 / 255.0, 22 / 255.0, 1};
const Colour kMouthDark = {90 / 255.0, 25 / 255.0, 40 / 255.0, 1};
const Colour kTongue = {250 / 255.0, 110 / 255.0, 130 / 255.0, 1};

void closedEye(cairo_t* cr, double x, double y, double w) {
    cairo_move_to(cr, x - w, y - 1);
    cairo_curve_to(cr, x - w * 0.5, y + 3, x + w * 0.5, y + 3, x + w, y - 1);
    stroke(cr, kInk, 2.6);
}

void pupil(cairo_t* cr, double x, double y, double r) {
    circlePath(cr, x, y, r);
    fill(cr, kInk);
    circlePath(cr, x + r * 0.35, y - r * 0.4, r * 0.38);
    fill(cr, kWhite);
}

void whiteEye(cairo_t* cr, double x, double y, double rx, double ry) {
    ellipsePath(cr, x, y, rx, ry);
    fillInked(cr, kWhite, 1.6);
}

}  // namespace

Colour SmileyPainter::bodyColour(int variant) {
    switch (variant % kBodyColours) {
    case 0: return rgb(255, 208, 48);
    case 1: return rgb(246, 102, 72);
    default: return rgb(82, 96, 214);
    }
}

Colour SmileyPainter::hairColour(int variant) {
    static const int colours[kVariants][3] = {{128, 74, 34},  {214, 52, 40},  {250, 224, 96},  {46, 42, 58},
                                              {80, 196, 72},  {168, 84, 214}, {250, 142, 28},  {56, 156, 244}};
    const int* c = colours[variant % kVariants];
    return rgb(c[0], c[1], c[2]);
}

void SmileyPainter::bodyShape(cairo_t* cr, const Colour& c) {
    shadedBall(cr, 0, 0, kFaceRadius, c, 2.2);
    // Rosy cheeks read as a face even on a bald, browless smiley.
    ellipsePath(cr, -16, 5, 4.5, 2.6);
    fill(cr, rgb(255, 120, 120, 0.35));
    ellipsePath(cr, 16, 5, 4.5, 2.6);
    fill(cr, rgb(255, 120, 120, 0.35));
    gloss(cr, -11, -15, 7, 3.6, 0.55);
}

void SmileyPainter::body(cairo_t* cr, int variant) { bodyShape(cr, bodyColour(variant)); }

void SmileyPainter::eyes(cairo_t* cr, int variant, bool bClosed) {
    const double xs[2] = {-kEyeX, kEyeX};
    switch (variant % kVariants) {
    case 0:  // plain dots
        for (double x : xs) {
            if (bClosed) {
                closedEye(cr, x, kEyeY, 4);
            } else {
                ellipsePath(cr, x, kEyeY, 3.2, 4.8);
                fill(cr, kInk);
                circlePath(cr, x + 1, kEyeY - 2, 1.2);
                fill(cr, kWhite);
            }
        }
        break;
    case 1:  // big round eyes
        for (double x : xs) {
            if (bClosed) {
                closedEye(cr, x, kEyeY, 6);
            } else {
                whiteEye(cr, x, kEyeY, 6.2, 7.2);
                pupil(cr, x + 1, kEyeY + 1.5, 3.4);
            }
        }
        break;
    case 2:  // sleepy, heavy lids
        for (double x : xs) {
            if (bClosed) {
                closedEye(cr, x, kEyeY + 1, 5.5);
            } else {
                whiteEye(cr, x, kEyeY, 5.5, 5.0);
                pupil(cr, x, kEyeY + 2, 2.6);
                cairo_new_sub_path(cr);
                cairo_arc(cr, x, kEyeY, 5.5, M_PI, 2 * M_PI);
                cairo_close_path(cr);
                fillInked(cr, rgb(110, 90, 120), 1.6);
            }
        }
        break;
    case 3:  // happy arches
        for (double x : xs) {
            if (bClosed) {
                cairo_move_to(cr, x - 5, kEyeY);
                cairo_line_to(cr, x + 5, kEyeY);
                stroke(cr, kInk, 2.6);
            } else {
                cairo_move_to(cr, x - 5, kEyeY + 2);
                cairo_curve_to(cr, x - 4, kEyeY - 5, x + 4, kEyeY - 5, x + 5, kEyeY + 2);
                stroke(cr, kInk, 3.0);
            }
        }
        break;
    case 4:  // stars
        for (double x : xs) {
            if (bClosed) {
                closedEye(cr, x, kEyeY, 5);
            } else {
                starPath(cr, x, kEyeY, 7, 3.2, 5, 0);
                fillInked(cr, rgb(255, 250, 170), 1.5);
                circlePath(cr, x, kEyeY + 0.5, 1.8);
                fill(cr, kInk);
            }
        }
        break;
    case 5:  // round spectacles
        for (double x : xs) {
            circlePath(cr, x, kEyeY, 7.2);
            fill(cr, rgb(220, 240, 255, 0.85));
            if (bClosed)
                closedEye(cr, x, kEyeY, 3.5);
            else
                pupil(cr, x, kEyeY + 0.5, 2.4);
            circlePath(cr, x, kEyeY, 7.2);
            stroke(cr, kInk, 2.4);
        }
        cairo_move_to(cr, -kEyeX + 7, kEyeY - 1);
        cairo_curve_to(cr, -2, kEyeY - 4, 2, kEyeY - 4, kEyeX - 7, kEyeY - 1);
        stroke(cr, kInk, 2.0);
        break;
    case 6:  // one big, one small
        if (bClosed) {
            closedEye(cr, -kEyeX, kEyeY, 6.5);
            closedEye(cr, kEyeX, kEyeY, 3.5);
        } else {
            whiteEye(cr, -kEyeX - 0.5, kEyeY - 1, 7.2, 8.2);
            pupil(cr, -kEyeX + 0.5, kEyeY, 3.6);
            whiteEye(cr, kEyeX + 0.5, kEyeY + 1, 3.8, 4.2);
            pupil(cr, kEyeX + 0.5, kEyeY + 1.5, 1.9);
        }
        break;
    default:  // sunglasses
        if (bClosed) {
            closedEye(cr, -kEyeX, kEyeY - 5, 4.5);
            closedEye(cr, kEyeX, kEyeY - 5, 4.5);
        }
        for (double x : xs) {
            const double y = kEyeY + (bClosed ? 3 : 0);
            cairo_move_to(cr, x - 8, y - 4.5);
            cairo_line_to(cr, x + 8, y - 4.5);
            cairo_line_to(cr, x + 6, y + 4.5);
            cairo_curve_to(cr, x + 2, y + 6.5, x - 2, y + 6.5, x - 6, y + 4.5);
            cairo_close_path(cr);
            fillInked(cr, rgb(30, 30, 40), 1.6);
            cairo_move_to(cr, x - 5, y - 2);
            cairo_line_to(cr, x - 1, y - 2);
            stroke(cr, rgb(255, 255, 255, 0.75), 1.6);
        }
        cairo_move_to(cr, -2, kEyeY - 3 + (bClosed ? 3 : 0));
        cairo_line_to(cr, 2, kEyeY - 3 + (bClosed ? 3 : 0));
        stroke(cr, rgb(30, 30, 40), 2.2);
        break;
    }
}

void SmileyPainter::mouth(cairo_t* cr, int variant) {
    const double y = kMouthY;
    switch (variant % kVariants) {
    case 0:  // big open smile
        cairo_move_to(cr, -11, y - 2);
        cairo_curve_to(cr, -9, y + 11, 9, y + 11, 11, y - 2);
        cairo_close_path(cr);
        fillInked(cr, kMouthDark, 2.0);
        ellipsePath(cr, 0, y + 5, 5, 2.3);
        fill(cr, kTongue);
        break;
    case 1:  // surprised O
        ellipsePath(cr, 0, y + 2, 4.5, 5.5);
        fillInked(cr, kMouthDark, 2.0);
        break;
    case 2:  // straight face
        cairo_move_to(cr, -8, y + 2);
        cairo_line_to(cr, 8, y + 2);
        stroke(cr, kInk, 3.0);
        break;
    case 3:  // tongue out
        roundedRectPath(cr, -4.5, y + 1, 9, 10, 4.5);
        fillInked(cr, kTongue, 1.8);
        cairo_move_to(cr, 0, y + 3);
        cairo_line_to(cr, 0, y + 7);
        stroke(cr, rgb(200, 60, 90), 1.2);
        cairo_move_to(cr, -10, y);
        cairo_curve_to(cr, -5, y + 3, 5, y + 3, 10, y);
        stroke(cr, kInk, 2.6);
        break;
    case 4:  // toothy grin
        roundedRectPath(cr, -11, y - 3, 22, 9, 4);
        fillInked(cr, kWhite, 2.0);
        for (int i = -1; i <= 1; ++i) {
            cairo_move_to(cr, i * 5.5, y - 3);
            cairo_line_to(cr, i * 5.5, y + 6);
        }
        cairo_move_to(cr, -11, y + 1.5);
        cairo_line_to(cr, 11, y + 1.5);
        stroke(cr, kInk, 1.1);
        break;
    case 5:  // small smile
        cairo_move_to(cr, -6, y);
        cairo_curve_to(cr, -3, y + 5, 3, y + 5, 6, y);
        stroke(cr, kInk, 2.6);
        break;
    case 6:  // frown
        cairo_move_to(cr, -9, y + 6);
        cairo_curve_to(cr, -5, y - 1, 5, y - 1, 9, y + 6);
        stroke(cr, kInk, 2.8);
        break;
    default:  // cat mouth "w"
        cairo_move_to(cr, -9, y);
        cairo_curve_to(cr, -8, y + 5, -1, y + 5, 0, y + 1);
        cairo_curve_to(cr, 1, y + 5, 8, y + 5, 9, y);
        stroke(cr, kInk, 2.6);
        break;
    }
}

void SmileyPainter::hair(cairo_t* cr, int variant) {
    const Colour c = hairColour(variant);
    const double top = -kFaceRadius;
    switch (variant % kVariants) {
    case 0:  // spikes
        cairo_move_to(cr, -22, -12);
        for (int i = 0; i < 5; ++i) {
            const double x0 = -22 + i * 8.8;
            cairo_line_to(cr, x0 + 4.4 + (i - 2) * 1.5, top - 11 + std::abs(i - 2) * 2.5);
            cairo_line_to(cr, x0 + 8.8, -19 + std::abs(i - 1.5) * 0.5);
        }
        cairo_line_to(cr, 22, -12);
        cairo_curve_to(cr, 18, -26, -18, -26, -22, -12);
        cairo_close_path(cr);
        fillInked(cr, c);
        break;
    case 1:  // curls
        for (int i = 0; i < 7; ++i) {
            const double a = M_PI + i * M_PI / 6;
            circlePath(cr, 22 * std::cos(a), -6 + 20 * std::sin(a), 7);
        }
        fillInked(cr, c);
        for (int i = 0; i < 7; ++i) {
            const double a = M_PI + i * M_PI / 6;
            circlePath(cr, 22 * std::cos(a) - 1.5, -6 + 20 * std::sin(a) - 2, 2);
        }
        fill(cr, lighter(c, 0.4));
        break;
    case 2:  // side-swept fringe
        cairo_move_to(cr, -25, -6);
        cairo_curve_to(cr, -28, -32, 26, -36, 26, -8);
        cairo_curve_to(cr, 16, -14, 2, -14, -8, -20);
        cairo_curve_to(cr, -12, -14, -18, -10, -25, -6);
        cairo_close_path(cr);
        fillInked(cr, c);
        cairo_move_to(cr, 4, -28);
        cairo_curve_to(cr, 12, -26, 17, -22, 20, -15);
        stroke(cr, lighter(c, 0.5), 1.6);
        break;
    case 3:  // mohawk
        cairo_move_to(cr, -6, -22);
        cairo_curve_to(cr, -9, -34, -4, -40, 0, -39);
        cairo_curve_to(cr, 4, -40, 9, -34, 6, -22);
        cairo_close_path(cr);
        fillInked(cr, c);
        cairo_move_to(cr, -1, -36);
        cairo_line_to(cr, -2, -26);
        stroke(cr, lighter(c, 0.4), 1.4);
        break;
    case 4:  // pigtails
        circlePath(cr, -27, -10, 7.5);
        circlePath(cr, 27, -10, 7.5);
        fillInked(cr, c);
        cairo_move_to(cr, -24, -9);
        cairo_curve_to(cr, -26, -32, 26, -32, 24, -9);
        cairo_curve_to(cr, 14, -18, -14, -18, -24, -9);
        cairo_close_path(cr);
        fillInked(cr, c);
        circlePath(cr, -21, -12, 2.6);
        circlePath(cr, 21, -12, 2.6);
        fillInked(cr, rgb(255, 90, 150), 1.2);
        break;
    case 5:  // bun
        circlePath(cr, 0, -31, 8);
        fillInked(cr, c);
        cairo_move_to(cr, -24, -9);
        cairo_curve_to(cr, -25, -31, 25, -31, 24, -9);
        cairo_curve_to(cr, 12, -20, -12, -20, -24, -9);
        cairo_close_path(cr);
        fillInked(cr, c);
        cairo_move_to(cr, -6, -24);
        cairo_line_to(cr, 6, -24);
        stroke(cr, rgb(255, 220, 80), 2.4);
        break;
    case 6:  // bowl cut
        cairo_move_to(cr, -27, -12);
        cairo_curve_to(cr, -29, -37, 29, -37, 27, -12);
        cairo_line_to(cr, -27, -12);
        cairo_close_path(cr);
        fillInked(cr, c);
        for (int i = -2; i <= 2; ++i) {
            cairo_move_to(cr, i * 9, -12);
            cairo_line_to(cr, i * 8.5, -17);
        }
        stroke(cr, darker(c, 0.3), 1.3);
        break;
    default:  // big quiff curl
        cairo_move_to(cr, -10, -22);
        cairo_curve_to(cr, -14, -42, 16, -44, 14, -30);
        cairo_curve_to(cr, 12, -22, 2, -26, 4, -31);
        cairo_curve_to(cr, 6, -35, 10, -33, 9, -30);
        cairo_curve_to(cr, 6, -28, 4, -24, 10, -22);
        cairo_close_path(cr);
        fillInked(cr, c);
        break;
    }
}

void SmileyPainter::brows(cairo_t* cr, int variant) {
    const double y = kBrowY;
    const Colour c = kBrowColour;
    switch (variant % kVariants) {
    case 0:  // raised arches
        for (int s : {-1, 1}) {
            cairo_move_to(cr, s * 4.5, y);
            cairo_curve_to(cr, s * 6.5, y - 5, s * 12.5, y - 5, s * 14.5, y);
        }
        stroke(cr, c, 3.6);
        break;
    case 1:  // angry
        for (int s : {-1, 1}) {
            cairo_move_to(cr, s * 4, y + 2.5);
            cairo_line_to(cr, s * 14, y - 3);
        }
        stroke(cr, c, 4.0);
        break;
    case 2:  // worried
        for (int s : {-1, 1}) {
            cairo_move_to(cr, s * 4, y - 4);
            cairo_line_to(cr, s * 14, y + 1);
        }
        stroke(cr, c, 3.6);
        break;
    case 3:  // unibrow
        cairo_move_to(cr, -15, y);
        cairo_curve_to(cr, -6, y - 3.5, 6, y - 3.5, 15, y);
        stroke(cr, c, 4.2);
        break;
    case 4:  // high and thin
        for (int s : {-1, 1}) {
            cairo_move_to(cr, s * 6, y - 4);
            cairo_line_to(cr, s * 13, y - 4);
        }
        stroke(cr, c, 2.6);
        break;
    case 5:  // one raised
        cairo_move_to(cr, -14, y + 1);
        cairo_line_to(cr, -5, y + 1);
        cairo_move_to(cr, 4.5, y - 1);
        cairo_curve_to(cr, 7, y - 7, 12, y - 7, 14.5, y - 2);
        stroke(cr, c, 3.6);
        break;
    case 6:  // bushy
        for (int s : {-1, 1}) {
            roundedRectPath(cr, s > 0 ? 4 : -15, y - 3.5, 11, 6, 3);
            fillInked(cr, lighter(c, 0.15), 1.2, c);
        }
        break;
    default:  // dots
        for (int s : {-1, 1}) {
            circlePath(cr, s * 7, y - 1, 2.3);
            circlePath(cr, s * 12, y - 1, 2.3);
        }
        fill(cr, c);
        break;
    }
}

void SmileyPainter::clown(cairo_t* cr, int part) {
    const double xs[2] = {-kEyeX, kEyeX};
    if (part == 0) {
        // Rainbow tufts and a tiny hat: nothing like a resident.
        const Colour tufts[3] = {rgb(255, 70, 70), rgb(255, 200, 40), rgb(70, 200, 255)};
        for (int s : {-1, 1})
            for (int i = 0; i < 3; ++i) {
                circlePath(cr, s * (25 + i * 2.0), -12 + i * 8, 7);
                fillInked(cr, tufts[i], 1.6);
            }
        shadedBall(cr, 0, 0, kFaceRadius, rgb(255, 250, 245), 2.2);
        cairo_move_to(cr, -10, -22);
        cairo_line_to(cr, 3, -42);
        cairo_line_to(cr, 11, -21);
        cairo_close_path(cr);
        fillInked(cr, rgb(120, 220, 90), 1.8);
        circlePath(cr, 3, -41, 3.5);
        fillInked(cr, rgb(255, 200, 40), 1.4);
        for (double x : xs) {
            starPath(cr, x, -6, 9, 4.5, 4, 0);
            fill(cr, rgb(120, 170, 255, 0.6));
            whiteEye(cr, x, kEyeY, 5.5, 6.5);
        }
        cairo_move_to(cr, -15, 7);
        cairo_curve_to(cr, -10, 22, 10, 22, 15, 7);
        cairo_curve_to(cr, 8, 13, -8, 13, -15, 7);
        cairo_close_path(cr);
        fillInked(cr, rgb(230, 30, 60), 1.8);
    } else if (part == 1) {
        for (double x : xs) {
            circlePath(cr, x, kEyeY + 1, 3.0);
            fill(cr, kInk);
        }
    } else {
        for (double x : xs) {
            ellipsePath(cr, x, kEyeY, 5.5, 6.5);
            stroke(cr, kInk, 1.6);
            circlePath(cr, x + 2, kEyeY - 2.5, 1.4);
            fill(cr, kWhite);
        }
        shadedBall(cr, 0, 4, 6, rgb(235, 20, 40), 1.6);
    }
}

void SmileyPainter::smiley(cairo_t* cr, double x, double y, double scale, const Look& look) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    body(cr, look.body);
    eyes(cr, look.eyes, look.bClosedEyes);
    mouth(cr, look.mouth);
    if (look.hair >= 0)
        hair(cr, look.hair);
    brows(cr, look.brows);
    cairo_restore(cr);
}

void SmileyPainter::clownWhole(cairo_t* cr, double x, double y, double scale) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, scale, scale);
    clown(cr, 0);
    clown(cr, 1);
    clown(cr, 2);
    cairo_restore(cr);
}
