// A point body: what drag and the speed limit do to it in one step. Plain
// arithmetic, no window.
#include "Physics.h"

#include <gtest/gtest.h>

namespace {

constexpr double DT = 0.01;

TEST(Motion, DragSlowsABodyToRestWithoutReversingItAndTheSpeedLimitCapsIt)
{
    const struct {
        V3 velocity;
        float drag, maxSpeed;
        V3 expected;
    } rows[] = {
        {{100.0f, 0.0f, 0.0f}, 50.0f, 1000000.0f, {99.5f, 0.0f, 0.0f}},
        {{3.0f, -4.0f, 0.0f}, 100.0f, 1000000.0f, {2.4f, -3.2f, 0.0f}},
        {{3.0f, -4.0f, 0.0f}, 1000.0f, 1000000.0f, {0.0f, 0.0f, 0.0f}},
        {{-2.0f, 0.0f, 0.0f}, 5000.0f, 1000000.0f, {0.0f, 0.0f, 0.0f}},
        {{30.0f, 40.0f, 0.0f}, 0.0f, 10.0f, {6.0f, 8.0f, 0.0f}},
        {{0.0f, 0.0f, 0.0f}, 100.0f, 1000000.0f, {0.0f, 0.0f, 0.0f}},
    };
    for (const auto& row : rows) {
        Physics body;
        body.position = V3(1.0f, 2.0f, 3.0f);
        body.previousPosition = V3(-7.0f, -7.0f, -7.0f);
        body.velocity = row.velocity;
        body.drag = row.drag;
        body.maxSpeed = row.maxSpeed;
        body.tick(0.0, DT);
        // A body at rest does not move, so its previous position stays.
        const V3 previous = row.velocity == V3() ? V3(-7.0f, -7.0f, -7.0f) : V3(1.0f, 2.0f, 3.0f);
        SCOPED_TRACE(testing::Message() << row.velocity.x << "," << row.velocity.y);
        EXPECT_NEAR(body.velocity.x, row.expected.x, 1e-4f);
        EXPECT_NEAR(body.velocity.y, row.expected.y, 1e-4f);
        EXPECT_EQ(body.previousPosition, previous);
        EXPECT_NEAR(body.position.x, 1.0f + row.expected.x * DT, 1e-5f);
        EXPECT_NEAR(body.position.y, 2.0f + row.expected.y * DT, 1e-5f);
        EXPECT_EQ(body.force, V3());
    }
}

}
