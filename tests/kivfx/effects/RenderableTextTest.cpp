#include "RenderTestSupport.h"
#include "RenderableText.h"
#include "TestFontQuads.h"

#include <gtest/gtest.h>

namespace {

class RenderableTextTest : public ::testing::Test {
protected:
    std::unique_ptr<RenderableText> make()
    {
        return std::make_unique<RenderableText>(0.0f, 0.0f, 0.0f, "ab", &test.font, UColor(255, 0, 0, 100));
    }

    TestFontQuads test;
};

TEST_F(RenderableTextTest, FadesAtBothEnds)
{
    struct Case { double fadeIn, lifetime, fadeOut; double elapsed; int alpha; };
    const Case cases[] = {
        {0.5, 10.0, 0.0, 0.25, 127},
        {0.0, 2.0, 0.5, 1.75, 127},
        {0.0, 2.0, 0.5, 2.0, 0},
        {0.5, 2.0, 0.5, 1.0, 255},
        // Without fades the constructed alpha stays.
        {0.0, 999999.0, 0.0, 5.0, 100},
    };
    for (const Case& c : cases) {
        std::unique_ptr<RenderableText> text = make();
        text->fadeIn = c.fadeIn;
        text->fadeOut = c.fadeOut;
        text->lifetime = c.lifetime;
        text->tick(0.0, c.elapsed);
        EXPECT_EQ(text->color.a, c.alpha) << c.fadeIn << " " << c.lifetime << " " << c.fadeOut << " at " << c.elapsed;
    }
}

TEST_F(RenderableTextTest, ExpireStartsTheFadeOutNowAndNeverLater)
{
    std::unique_ptr<RenderableText> text = make();
    text->lifetime = 10.0;
    text->fadeOut = 0.5;
    text->tick(0.0, 1.0);
    text->expire();
    EXPECT_DOUBLE_EQ(text->lifetime, 1.5);
    text->tick(0.0, 0.25);
    text->expire();
    EXPECT_DOUBLE_EQ(text->lifetime, 1.5);

    std::unique_ptr<RenderableText> empty = make();
    empty->text.clear();
    empty->delay = 3.0;
    empty->expire();
    EXPECT_DOUBLE_EQ(empty->delay, 3.0);
    EXPECT_DOUBLE_EQ(empty->lifetime, 999999.0);
}

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
