#pragma once
// UVRect: a rectangle of texture coordinates: u of the left edge, v of the top
// edge (v = 0 is the image's top row), u of the right edge, v of the bottom
// edge.

struct UVRect {
    float left = 0.0f, top = 0.0f, right = 1.0f, bottom = 1.0f;

    UVRect() = default;
    UVRect(float l, float t, float r, float b) : left(l), top(t), right(r), bottom(b) {}
};
