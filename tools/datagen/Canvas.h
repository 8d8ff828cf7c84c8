#pragma once
// Canvas: a cairo image surface to draw one frame on, turned into a
// straight-alpha Image when done. The only class that creates cairo
// surfaces; drawing helpers (Paint.h) take its cairo context.
#include "Image.h"

#include <cairo.h>
#include <functional>

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    // Draws one frame of the given size with `draw` and returns it.
    static Image render(int width, int height, const std::function<void(cairo_t*)>& draw);
    // A square frame drawn with the origin at its centre, where the default
    // centred anchor puts the sprite's position.
    static Image renderCentred(int size, const std::function<void(cairo_t*)>& draw);
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return pCairo; }
    int getWidth() const { return width; }
    int getHeight() const { return height; }
    Image toImage() const;
    // Writes the canvas as PNG (the contact sheet); false on failure.
    bool writePng(const char* path) const;
    // Draws an Image onto the canvas at (x, y) through cairo.
    void drawImage(const Image& image, double x, double y, double scale = 1.0);

private:
    int width;
    int height;
    cairo_surface_t* pSurface;
    cairo_t* pCairo;
};
