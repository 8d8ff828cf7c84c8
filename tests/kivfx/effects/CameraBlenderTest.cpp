#include "CameraBlender.h"
#include "CameraBlenderFactor.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

CameraBlenderFactor* addTarget(CameraBlender& blender, float x, float y, int curve, double duration, double delay = 0.0)
{
    auto* target = new CameraBlenderFactor();
    target->position = V3(x, y, -320.0f);
    target->curve = curve;
    target->duration = duration;
    target->delay = delay;
    blender.addChildLast(target);
    return target;
}

// One target from rest (0, 0, -320) to (100, 0, -320), duration 2 s, four
// frames of 0.5 s: x after each frame is 100 times the curve at 1/4 .. 4/4
// (a plain, an eased and a there-and-back curve; the easing tests have all).
TEST(CameraBlender, GlidesAlongEachCurve)
{
    struct Case { int curve; float x[4]; };
    const Case cases[] = {
        {0, {25.0f, 50.0f, 75.0f, 100.0f}},
        {3, {38.2683f, 70.7107f, 92.3880f, 100.0f}},
        {6, {70.7107f, 100.0f, 70.7107f, 0.0f}},
    };
    for (const Case& c : cases) {
        CameraBlender blender;
        addTarget(blender, 100.0f, 0.0f, c.curve, 2.0);
        for (int frame = 0; frame < 4; ++frame) {
            blender.lateUpdate(0.0, 0.5);
            EXPECT_NEAR(blender.position.x, c.x[frame], 1e-3) << "curve " << c.curve << " frame " << frame;
            EXPECT_FLOAT_EQ(blender.position.z, -320.0f);
            EXPECT_FLOAT_EQ(blender.lookAtPoint.x, blender.position.x);
            EXPECT_FLOAT_EQ(blender.eye.x, blender.position.x) << "eye follows without truncation";
        }
        blender.lateUpdate(0.0, 0.5);
        EXPECT_NEAR(blender.position.x, c.x[3], 1e-3) << "the finished target holds the view";
        EXPECT_EQ(blender.getChildCount(), 1);
    }
}

TEST(CameraBlender, NewerTargetBlendsFromTheOlderChainAndReplacesIt)
{
    CameraBlender blender;
    addTarget(blender, 100.0f, 0.0f, 0, 2.0);
    CameraBlenderFactor* newer = addTarget(blender, 0.0f, 200.0f, 0, 1.0);
    blender.lateUpdate(0.0, 0.5);
    EXPECT_NEAR(blender.position.x, 12.5f, 1e-4);
    EXPECT_NEAR(blender.position.y, 100.0f, 1e-4);
    EXPECT_EQ(blender.getChildCount(), 2);
    blender.lateUpdate(0.0, 0.5);
    EXPECT_EQ(blender.position, V3(0.0f, 200.0f, -320.0f));
    EXPECT_EQ(blender.getChildCount(), 1) << "the older target is dropped when the newer one arrives";
    EXPECT_EQ(blender.pFirstChild, newer);
}

TEST(CameraBlender, ZeroDurationArrivesAtOnceWithoutNaN)
{
    const double steps[] = {0.5, 0.0};
    for (double dt : steps) {
        CameraBlender blender;
        CameraBlenderFactor* target = addTarget(blender, 30.0f, 40.0f, 5, 0.0);
        blender.lateUpdate(0.0, dt);
        EXPECT_FLOAT_EQ(target->factor, 1.0f) << "dt " << dt;
        EXPECT_EQ(blender.position, V3(30.0f, 40.0f, -320.0f)) << "dt " << dt;
    }
}

TEST(CameraBlender, JumpToDropsTargetsAndClampsToTheGround)
{
    CameraBlender blender;
    addTarget(blender, 100.0f, 0.0f, 0, 2.0);
    blender.lateUpdate(0.0, 0.5);
    blender.jumpTo(0.0f, 0.0f, -320.0f, true);
    EXPECT_EQ(blender.getChildCount(), 0);
    EXPECT_EQ(blender.restPosition, V3(0.0f, 236.0f, -320.0f));
    EXPECT_EQ(blender.position, V3(0.0f, 236.0f, -320.0f));
    EXPECT_FLOAT_EQ(blender.lookAtPoint.y, 236.0f);
    blender.lateUpdate(0.0, 0.5);
    EXPECT_FLOAT_EQ(blender.position.y, 236.0f) << "the view rests where it jumped";

    blender.jumpTo(10.0f, 300.0f, -320.0f, true);
    EXPECT_FLOAT_EQ(blender.position.y, 300.0f) << "already above the ground";
    blender.jumpTo(10.0f, -50.0f, -320.0f, false);
    EXPECT_FLOAT_EQ(blender.position.y, -50.0f);
}

} // namespace
