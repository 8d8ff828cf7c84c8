#include "RenderTestSupport.h"

namespace {

void expectRect(const Camera::VisibleRect& r, float left, float top, float right, float bottom)
{
    EXPECT_FLOAT_EQ(left, r.left);
    EXPECT_FLOAT_EQ(top, r.top);
    EXPECT_FLOAT_EQ(right, r.right);
    EXPECT_FLOAT_EQ(bottom, r.bottom);
}

void expectPoint(const V3& expected, const V3& actual, float tolerance = 1e-3f)
{
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}

TEST(CameraView, DefaultCameraShowsTheVirtualScreenOnPlaneZero)
{
    Camera camera;
    camera.tick(0.0, 0.0);
    expectRect(camera.getVisibleRect(0.0f), -320, 240, 320, -240);
    EXPECT_FLOAT_EQ(1.0f, camera.getDepthScale(0.0f));
    expectPoint(V3(-320, -240, 0), camera.screen2world(0, 0, 0));
    expectPoint(V3(0, 0, 0), camera.screen2world(320, 240, 0));
    expectRect(camera.getVisibleRect(320.0f), -640, 480, 640, -480);
    EXPECT_FLOAT_EQ(2.0f, camera.getDepthScale(320.0f));
    expectPoint(V3(-320, -240, 320), camera.screen2world(0, 0, 320));
    expectPoint(V3(320, 240, 320), camera.screen2world(320, 240, 320));
    expectRect(Camera::getVisibleRectFrom(0.0f, 100.0f, 50.0f, -320.0f), -220, 290, 420, -190);
}

} // namespace
