#pragma once
// JoinedStrip: frames that a mosaic shows edge to edge, in the mosaic's order
// (left to right, or top to bottom). Bilinear filtering at a frame's joined
// edge reads one texel past it, and in the texture that texel is not the
// neighbour the mosaic puts there (for a frame as wide as its texture it is
// the far side, by wrap). So each frame goes into its sheet with a one-pixel
// border on both joined sides holding its true neighbour's edge, and its skin
// stays inside. A strip that repeats endlessly joins its last frame to its
// first; one that does not gets outer borders that are fully transparent but
// keep the edge's colour. Single-threaded; owned by value.
#include "Image.h"
#include "SpriteSheet.h"

#include <vector>

class JoinedStrip {
public:
    enum Direction { ACROSS, DOWN };

    JoinedStrip(Direction direction, bool bRepeats);

    // Appends the next frame in mosaic order.
    void add(const Image& frame);
    // The frame at mosaic position `position` with its border.
    Image bordered(int position) const;
    const SpriteSheet::Border& border() const { return frameBorder; }
    // Adds the bordered frame to sheet, packed or with the border's top-left
    // corner at (x, y); returns the skin index.
    int pack(SpriteSheet& sheet, int position) const;
    int placeAt(SpriteSheet& sheet, int position, int x, int y) const;

private:
    Direction direction;
    bool bRepeats;
    SpriteSheet::Border frameBorder;
    std::vector<Image> frames;
};
