#include "RenderTestSupport.h"
#include "RenderableText.h"
#include "TestFontQuads.h"

namespace {

// A text given a delay is not drawn until the delay has passed (the intro's
// captions wait for their turn this way).
TEST(RenderableText, IsDrawnOnlyOnceItsDelayHasPassed)
{
    TestFontQuads test;
    RenderableText text(0.0f, 0.0f, 0.0f, "ab", &test.font, rendertest::WHITE);
    text.delay = 0.5;
    text.lifetime = 2.0;
    int ticks = 0;
    for (const auto& [seconds, bDrawn] : {std::pair(0.4, false), std::pair(0.6, true)}) {
        for (; ticks < static_cast<int>(seconds * 10.0 + 0.5); ++ticks)
            text.tick(ticks * 0.1, 0.1);
        rendertest::Screen screen;
        text.render();
        EXPECT_EQ(pKiv->stats.vertices > 0, bDrawn) << seconds;
    }
}

} // namespace
