#include "Crc32.h"
#include "Easing.h"
#include "Matrix.h"
#include "V3.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void expectNear(const V3& expected, const V3& actual, float tolerance = 1e-5f)
{
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

void expectIdentity(const Matrix& m, float tolerance = 1e-5f)
{
    const Matrix identity;
    for (int i = 0; i < 16; ++i)
        EXPECT_NEAR(identity.m[i], m.m[i], tolerance) << "element " << i;
}

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

TEST(MatrixMath, InverseRoundTripsIncludingQuarterTurns)
{
    struct Case { const char* name; float degrees, ax, ay, az; V3 move, size; };
    const Case cases[] = {
        {"quarter turn about Z", 90.0f, 0, 0, 1, V3(0, 0, 0), V3(1, 1, 1)},
        {"quarter turn about X", 90.0f, 1, 0, 0, V3(0, 0, 0), V3(1, 1, 1)},
        {"quarter turn about Y", 90.0f, 0, 1, 0, V3(0, 0, 0), V3(1, 1, 1)},
        {"half turn about Y", 180.0f, 0, 1, 0, V3(3, 4, 5), V3(1, 1, 1)},
        {"moved, turned and scaled", 33.0f, 0, 0, 1, V3(-120, 45, 7), V3(2, 0.5f, 2)},
        {"odd axis", 71.0f, 1, 2, 3, V3(1, 2, 3), V3(3, 3, 0.25f)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Matrix m;
        m.translate(c.move.x, c.move.y, c.move.z);
        m.rotate(c.degrees, c.ax, c.ay, c.az);
        m.scale(c.size.x, c.size.y, c.size.z);
        Matrix inverse;
        ASSERT_TRUE(inverse.invert(m));
        Matrix product = m;
        product.multiply(inverse);
        expectIdentity(product);
        const V3 p(12.5f, -7.0f, 3.0f);
        expectNear(p, transformPoint(transformPoint(p, m), inverse), 1e-3f);
    }
}

TEST(MatrixMath, SingularMatrixIsRefusedAndLeavesTheResultAlone)
{
    Matrix flat;
    flat.scale(0.0f, 1.0f, 1.0f);
    Matrix result;
    result.translate(1.0f, 2.0f, 3.0f);
    const Matrix before = result;
    EXPECT_FALSE(result.invert(flat));
    EXPECT_TRUE(result == before);
}

TEST(Checksum, StandardCrc32)
{
    const char text[] = "123456789";
    EXPECT_EQ(0xCBF43926u, crc32(text, 9));
    EXPECT_EQ(0xE8B7BE43u, crc32("a", 1));
    EXPECT_EQ(0u, crc32(text, 0));
    EXPECT_EQ(0u, crc32(text, -4));
}

} // namespace
