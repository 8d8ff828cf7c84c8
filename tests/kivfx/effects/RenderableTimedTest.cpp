#include "RenderableTimed.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Timeline {
    double delay, fadeIn, lifetime, fadeOut, dt;
    // Alpha after each frame while alive; one frame later the object marks
    // itself dead and its parent's walk deletes it.
    std::vector<int> alphas;
};

TEST(RenderableTimed, AlphaFollowsTheTimeline)
{
    const Timeline cases[] = {
        {0.0, 1.0, 3.0, 1.0, 0.25, {63, 127, 191, 255, 255, 255, 255, 255, 191, 127, 63, 0}},
        // The fade-in wins where the fades overlap.
        {0.0, 2.0, 3.0, 2.5, 0.5, {63, 127, 191, 102, 51, 0}},
        {0.0, 0.0, 1.0, 0.5, 0.25, {255, 255, 127, 0}},
        // The whole dt of the frame in which the delay runs out counts.
        {0.375, 0.0, 1.0, 1.0, 0.25, {100, 191, 127, 63, 0}},
    };
    for (const Timeline& c : cases) {
        KivBase parent;
        auto* timed = new RenderableTimed();
        parent.addChildLast(timed);
        timed->delay = c.delay;
        timed->fadeIn = c.fadeIn;
        timed->lifetime = c.lifetime;
        timed->fadeOut = c.fadeOut;
        timed->color.a = 100;
        for (size_t frame = 0; frame < c.alphas.size(); ++frame) {
            parent.tick(0.0, c.dt);
            ASSERT_EQ(parent.getChildCount(), 1) << "frame " << frame;
            EXPECT_EQ(timed->color.a, c.alphas[frame]) << "fade " << c.fadeIn << "/" << c.fadeOut << " frame " << frame;
        }
        parent.tick(0.0, c.dt);
        EXPECT_EQ(parent.getChildCount(), 0) << "fade " << c.fadeIn << "/" << c.fadeOut;
    }
}

} // namespace
