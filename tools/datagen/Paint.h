#pragma once
// Paint: the small vocabulary of the cartoon style, shared by every art
// generator: colours, shape paths, filled shapes with the dark ink outline,
// gloss highlights, and the pixel effects made from finished frames (glow
// outlines, silhouettes). All drawing goes through a cairo context.
#include "Image.h"

#include <cairo.h>
#include <vector>

struct Colour {
    double r = 1, g = 1, b = 1, a = 1;
};

namespace paint {

Colour rgb(int r, int g, int b, double a = 1.0);
Colour mix(const Colour& x, const Colour& y, double t);
Colour lighter(const Colour& c, double t);
Colour darker(const Colour& c, double t);
extern const Colour kInk;
extern const Colour kWhite;

void setColour(cairo_t* cr, const Colour& c);
void circlePath(cairo_t* cr, double x, double y, double r);
void ellipsePath(cairo_t* cr, double x, double y, double rx, double ry);
void roundedRectPath(cairo_t* cr, double x, double y, double w, double h, double r);
void starPath(cairo_t* cr, double x, double y, double rOuter, double rInner, int points, double rotation);

// Fills the current path, then strokes it with the ink outline (the path is
// consumed).
void fillInked(cairo_t* cr, const Colour& fill, double lineWidth = 2.0, const Colour& ink = kInk);
void fill(cairo_t* cr, const Colour& fill);
void stroke(cairo_t* cr, const Colour& c, double lineWidth);
// Fills the current path with a vertical gradient from top to bottom colour.
void fillGradientInked(cairo_t* cr, double y0, const Colour& top, double y1, const Colour& bottom,
                       double lineWidth = 2.0);
// A ball shaded from a light upper-left to its own colour, with an ink rim.
void shadedBall(cairo_t* cr, double x, double y, double r, const Colour& c, double lineWidth = 2.0);
// The white gloss spot of the cartoon style.
void gloss(cairo_t* cr, double x, double y, double rx, double ry, double alpha = 0.7);

// Coverage masks: one value in 0..1 per pixel, top row first.
std::vector<float> coverageOf(const Image& src);
// The mask grown by `radius` pixels under a round brush whose rim is soft,
// so the grown edge stays anti-aliased: the brush covers fully to radius -
// 0.5 and fades out by radius + 0.5 (a radius of 1.5 grows a solid pixel).
std::vector<float> dilated(const std::vector<float>& mask, int w, int h, double radius);
// How many whole pixels dilated() grows a mask by.
int dilationReach(double radius);

// A white ring that hugs the opaque shape of src: dilated by `outside`
// pixels, hollowed `inside` pixels into the shape.
Image glowOutline(const Image& src, int outside, int inside);
// The opaque shape of src grown by `grow` pixels, in white with soft edges.
Image silhouette(const Image& src, int grow);
// Alpha of every pixel made opaque white where src has any coverage.
Image whiteShape(const Image& src);

}  // namespace paint
