// Point bodies: where a spring settles and what drag and the speed limit do
// to a moving body in one step. Plain arithmetic, no window.
#include "Physics.h"
#include "Spring.h"

#include <gtest/gtest.h>

namespace {

constexpr double DT = 0.01;

TEST(Motion, ASpringSettlesAtItsAnchorOrWhereASteadyForceHoldsIt)
{
    const struct {
        const char* owner;
        float mass, friction, stiffness;
        // Added by the owner before every step.
        float steadyForce;
        float start;
        float rest;
    } rows[] = {
        {"smiley", 0.0025f, 3.0f, 1.0f, 0.0f, 0.4f, 0.0f},
        {"flower", 0.005f, 2.0f, 1.0f, 0.0f, -0.6f, 0.0f},
        {"smiley pushed", 0.0025f, 3.0f, 1.0f, 1.0f, 0.0f, 1.0f},
        {"flower pushed", 0.005f, 2.0f, 1.0f, -1.0f, 0.0f, -1.0f},
        {"stiffer flower pushed", 0.005f, 2.0f, 4.0f, 1.0f, 0.0f, 0.25f},
    };
    for (const auto& row : rows) {
        Spring spring;
        spring.mass = row.mass;
        spring.friction = row.friction;
        spring.stiffness = row.stiffness;
        spring.position.x = row.start;
        for (int step = 0; step < 1000; ++step) {
            spring.force.x += row.steadyForce;
            spring.tick(step * DT, DT);
        }
        EXPECT_NEAR(spring.position.x, row.rest, 1e-3f) << row.owner;
        EXPECT_NEAR(spring.velocity.x, 0.0f, 1e-3f) << row.owner;
        EXPECT_EQ(spring.position.y, 0.0f) << row.owner;
    }
}

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
        EXPECT_NEAR(body.velocity.x, row.expected.x, 1e-4f) << row.velocity.x << "," << row.velocity.y;
        EXPECT_NEAR(body.velocity.y, row.expected.y, 1e-4f) << row.velocity.x << "," << row.velocity.y;
        EXPECT_EQ(body.previousPosition, previous) << row.velocity.x << "," << row.velocity.y;
        EXPECT_NEAR(body.position.x, 1.0f + row.expected.x * DT, 1e-5f);
        EXPECT_NEAR(body.position.y, 2.0f + row.expected.y * DT, 1e-5f);
        EXPECT_EQ(body.force, V3());
    }
}

}
