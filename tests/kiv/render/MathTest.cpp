#include "Easing.h"

#include <gtest/gtest.h>

namespace {

TEST(Easing, EveryCurveAtStartMiddleAndEnd)
{
    struct Case { int curve; float atStart, atMiddle, atEnd; };
    const Case cases[] = {
        {0, 0.0f, 0.5f, 1.0f},         {1, 0.0f, 0.25f, 1.0f},       {2, 0.0f, 0.75f, 1.0f},
        {3, 0.0f, 0.70710678f, 1.0f},  {4, 0.0f, 0.29289322f, 1.0f}, {5, 0.0f, 0.5f, 1.0f},
        {6, 0.0f, 1.0f, 0.0f},         {7, 0.0f, 1.0f, 0.0f},        {8, 0.0f, 1.0f, 0.0f},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(c.atStart, easeCurve(0.0f, c.curve), 1e-6f) << "curve " << c.curve;
        EXPECT_NEAR(c.atMiddle, easeCurve(0.5f, c.curve), 1e-6f) << "curve " << c.curve;
        EXPECT_NEAR(c.atEnd, easeCurve(1.0f, c.curve), 1e-6f) << "curve " << c.curve;
    }
}

} // namespace
