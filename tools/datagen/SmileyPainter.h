#pragma once
// SmileyPainter: draws the smiley residents and their features in the
// game's cartoon style. Every feature is drawn about the face centre at
// (0, 0) with y down, for a face of radius kFaceRadius, so feature frames
// drawn on equal canvases line up on their centred anchors. The help and
// intro pictures reuse it at other scales.
#include "Paint.h"

#include <cairo.h>

class SmileyPainter {
public:
    static constexpr double kFaceRadius = 26.0;
    static constexpr int kBodyColours = 3;
    static constexpr int kVariants = 8;

    static Colour bodyColour(int variant);
    static Colour hairColour(int variant);

    static void body(cairo_t* cr, int variant);
    static void bodyShape(cairo_t* cr, const Colour& c);
    static void eyes(cairo_t* cr, int variant, bool bClosed);
    static void mouth(cairo_t* cr, int variant);
    static void hair(cairo_t* cr, int variant);
    static void brows(cairo_t* cr, int variant);
    // The clown wildcard: 0 face, 1 pupils, 2 what lies over the pupils.
    static void clown(cairo_t* cr, int part);

    struct Look {
        int body = 0;
        int eyes = 0;
        int mouth = 0;
        int hair = -1;  // -1: bald
        int brows = 0;
        bool bClosedEyes = false;
    };
    // A whole smiley with its face centre at (x, y), scaled.
    static void smiley(cairo_t* cr, double x, double y, double scale, const Look& look);
    static void clownWhole(cairo_t* cr, double x, double y, double scale);
};
