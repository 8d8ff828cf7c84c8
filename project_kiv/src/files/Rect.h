#pragma once
// Rect: a pixel rectangle of an image; rows run from the top down.

struct Rect {
    int left = 0, top = 0, bottom = 0, right = 0;

    Rect() = default;
    Rect(int l, int t, int r, int b) : left(l), top(t), bottom(b), right(r) {}
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};
