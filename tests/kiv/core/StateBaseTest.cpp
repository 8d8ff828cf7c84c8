#include "StateBase.h"

#include <gtest/gtest.h>

namespace {

struct CountingState : StateBase {
    int changes = 0;
    void onStateChange() override { ++changes; }
};

TEST(StateBase, RequestForTheStateReachedIsIgnoredUnlessForcedAndALaterRequestReplacesAPendingOne)
{
    CountingState machine;
    machine.setState(4);
    machine.setState(4);
    EXPECT_EQ(machine.changes, 1) << "a request for the state already reached is ignored";
    machine.setState(4, 0.0, true);
    EXPECT_EQ(machine.changes, 2) << "force repeats it";
    machine.setState(1, 1.0);
    machine.setState(2, 0.1);
    machine.tick(0.0, 0.2);
    EXPECT_EQ(machine.state, 2);
    machine.tick(0.0, 2.0);
    EXPECT_EQ(machine.changes, 3) << "the replaced change never comes";
}

TEST(StateBase, DelayedChangeFiresInTheFirstFrameReachingTheDelay)
{
    struct Case { double delay; double dt; int framesBeforeChange; };
    for (const Case& c : {Case{1.0, 0.25, 4}, Case{0.045, 0.015, 3}, Case{0.01, 0.015, 1}}) {
        CountingState machine;
        machine.setState(2, c.delay);
        int frames = 0;
        for (; machine.changes == 0 && frames < 1000; ++frames)
            machine.tick(0.0, c.dt);
        EXPECT_EQ(frames, c.framesBeforeChange) << "delay " << c.delay << " dt " << c.dt;
    }
}

} // namespace
