#include "Easing.h"

#include <cmath>

namespace {
const double HALF_PI = 1.5707963267948966;
const double PI = 3.141592653589793;
const double THREE_HALF_PI = 4.71238898038469;
}

float clampUnit(float t)
{
    if (std::isnan(t))
        return 1.0f;
    if (t < 0.0f)
        return 0.0f;
    if (t > 1.0f)
        return 1.0f;
    return t;
}

float easeCurve(float t, int curve)
{
    switch (curve) {
    case 1:
        return t * t;
    case 2:
        return 1.0f - (1.0f - t) * (1.0f - t);
    case 3:
        return static_cast<float>(std::sin(t * HALF_PI));
    case 4:
        return static_cast<float>(std::sin(t * HALF_PI + THREE_HALF_PI) + 1.0);
    case 5:
        return static_cast<float>(0.5 * std::sin(t * PI + THREE_HALF_PI) + 0.5);
    case 6:
        return static_cast<float>(std::sin(PI * t));
    case 7:
        return t < 0.5f ? 2.0f * t : 2.0f * (1.0f - t);
    case 8: {
        float u = 1.0f - 2.0f * t;
        return 1.0f - u * u;
    }
    default:
        // Curve 0, and any number a caller got wrong: an unset result would
        // put the object at a random place, linear keeps it on its path.
        return t;
    }
}
