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
