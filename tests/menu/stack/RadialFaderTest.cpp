#include "StackTestSupport.h"

#include "Context.h"
#include "RadialFader.h"

namespace {

using namespace stacktest;

TEST(RadialFader, CoverageFollowsTheTargetAtOneClosingPerSecond)
{
    RadialFader fader;
    struct Step { float target, coverage; };
    const Step steps[] = {{1.0f, 0.25f}, {1.0f, 0.5f}, {1.0f, 0.75f}, {1.0f, 1.0f}, {1.0f, 1.0f},
                          {0.4f, 0.75f}, {0.4f, 0.5f}, {0.4f, 0.4f}, {0.6f, 0.6f}, {0.6f, 0.6f}};
    for (const Step& s : steps) {
        fader.targetCoverage = s.target;
        fader.tick(0.0, 0.25);
        EXPECT_FLOAT_EQ(fader.coverage, s.coverage) << "never past the target";
    }
}

// Around the world origin whatever the fader's own position; half closed,
// the hole's radius is 126.5.
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
    const auto image = grab();
    struct Probe { float x, y; UColor colour; };
    const Probe probes[] = {{0.0f, 0.0f, BACKDROP},   {120.0f, 0.0f, BACKDROP}, {0.0f, -120.0f, BACKDROP},
                            {84.0f, 84.0f, BACKDROP}, {133.0f, 0.0f, BLACK},    {95.0f, 95.0f, BLACK},
                            {200.0f, 100.0f, BLACK},  {-315.0f, 235.0f, BLACK}};
    for (const Probe& p : probes)
        EXPECT_TRUE(pixelShows(p.colour, worldPixel(*image, p.x, p.y))) << p.x << ", " << p.y;
}

} // namespace
