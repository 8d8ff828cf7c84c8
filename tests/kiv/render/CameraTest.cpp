#include "RenderTestSupport.h"

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

} // namespace
