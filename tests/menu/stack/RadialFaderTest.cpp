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

// Around the world origin whatever the fader's own position.
TEST(RadialFader, HalfClosedLeavesARoundHoleInTheMiddle)
{
    const int32_t keptDetail = pGlobal->hst.detail;
    pGlobal->hst.detail = 0;
    Context layer;
    RadialFader* fader = new RadialFader();
    layer.addChildLast(fader);
    layer.pCamera->tick(0.0, 0.0);
    fader->position = V3(200.0f, 100.0f, 0.0f);
    fader->updateVisuals();
    fader->coverage = 0.5f;
    clearFrame();
    layer.render();
    pGlobal->hst.detail = keptDetail;
    auto image = grab();
    // The hole's radius is 126.5.
    for (const V3& p : {V3(0, 0, 0), V3(0, -120, 0), V3(84, 84, 0)})
        EXPECT_TRUE(sameColor(BACKDROP, worldPixel(*image, p.x, p.y))) << p.x << ", " << p.y;
    for (const V3& p : {V3(133, 0, 0), V3(95, 95, 0), V3(-320, 240, 0), V3(319, -239, 0)})
        EXPECT_TRUE(sameColor(BLACK, worldPixel(*image, p.x, p.y))) << p.x << ", " << p.y;
}

} // namespace
