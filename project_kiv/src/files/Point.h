#pragma once
// Point: a pixel position in an image.

struct Point {
    int x = 0, y = 0;

    Point() = default;
    Point(int px, int py) : x(px), y(py) {}
};
