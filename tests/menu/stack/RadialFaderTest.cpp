#include "StackTestSupport.h"

#include "Context.h"
#include "RadialFader.h"

namespace {

using namespace stacktest;

TEST(RadialFader, CoverageFollowsTheTargetAtOneClosingPerSecond)
{
    RadialFader fader;
    fader.targetCoverage = 1.0f;
    for (float expected : {0.25f, 0.5f, 0.75f, 1.0f, 1.0f}) {
        fader.tick(0.0, 0.25);
        EXPECT_FLOAT_EQ(expected, fader.coverage);
    }
    fader.targetCoverage = 0.0f;
    fader.tick(0.0, 0.25);
    EXPECT_FLOAT_EQ(0.75f, fader.coverage);
    fader.targetCoverage = 0.6f;
    fader.tick(0.0, 1.0);
    EXPECT_FLOAT_EQ(0.6f, fader.coverage) << "never past the target";
}

} // namespace
