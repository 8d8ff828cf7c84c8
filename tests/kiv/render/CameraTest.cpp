#include "RenderTestSupport.h"

#include <tuple>

namespace {

// A camera half the view's width before the plane it looks at sees the
// whole 640 x 480 view there; twice as far, twice as much.
TEST(CameraView, VisibleRectGrowsWithDepthAboutTheLookedAtPoint)
{
    struct Case { float z, x, y, cameraZ; Camera::VisibleRect expected; };
    const Case cases[] = {
        {0, 0, 0, -320, {-320, 240, 320, -240}},
        {320, 0, 0, -320, {-640, 480, 640, -480}},
        {0, 100, 50, -320, {-220, 290, 420, -190}},
    };
    for (const Case& c : cases) {
        Camera camera;
        camera.position = V3(c.x, c.y, c.cameraZ);
        camera.lookAtPoint = V3(c.x, c.y, 0);
        const Camera::VisibleRect seen[] = {camera.getVisibleRect(c.z),
                                            Camera::getVisibleRectFrom(c.z, c.x, c.y, c.cameraZ)};
        for (const Camera::VisibleRect& r : seen) {
            EXPECT_FLOAT_EQ(c.expected.left, r.left) << c.z << " " << c.x;
            EXPECT_FLOAT_EQ(c.expected.top, r.top) << c.z << " " << c.x;
            EXPECT_FLOAT_EQ(c.expected.right, r.right) << c.z << " " << c.x;
            EXPECT_FLOAT_EQ(c.expected.bottom, r.bottom) << c.z << " " << c.x;
        }
    }
}

// The view is drawn from whole units, cut towards zero (so a glide through
// the origin does not jump a unit), while the mouse maps through the exact
// point looked at.
TEST(CameraView, TickDrawsFromWholeUnitsCutTowardsZero)
{
    struct Case { V3 position, lookAt, eye, centre; };
    const Case cases[] = {
        {V3(10.7f, -3.2f, -320.0f), V3(-0.5f, 0.9f, 4.25f), V3(10.0f, -3.0f, -320.0f), V3(0.0f, 0.0f, 4.25f)},
        {V3(-10.7f, 3.2f, -100.5f), V3(-7.99f, -0.01f, 0.0f), V3(-10.0f, 3.0f, -100.5f), V3(-7.0f, 0.0f, 0.0f)},
    };
    for (const Case& c : cases) {
        Camera camera;
        camera.position = c.position;
        camera.lookAtPoint = c.lookAt;
        camera.tick(0.0, 0.0);
        for (const auto& [seen, expected, what] : {std::tuple(camera.eye, c.eye, "eye"),
                                                   std::tuple(camera.centre, c.centre, "centre")}) {
            EXPECT_FLOAT_EQ(expected.x, seen.x) << what << " from " << c.position.x;
            EXPECT_FLOAT_EQ(expected.y, seen.y) << what << " from " << c.position.y;
            EXPECT_FLOAT_EQ(expected.z, seen.z) << what << " from " << c.position.z;
        }
    }
}

} // namespace
