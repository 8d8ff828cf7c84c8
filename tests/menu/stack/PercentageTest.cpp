#include "StackTestSupport.h"

#include "Percentage.h"

namespace {

using namespace stacktest;

// The bar is the 200 x 16 frame that starts at u = 0.25 of its texture; the
// shown part starts there too, and its left end stays put.
TEST(Percentage, BarShowsTheValueClampedFromItsLeftEnd)
{
    static Texture* texture = makeTexture("progressbar", 256, 64, {{0, 0, 240, 24}, {64, 32, 160, 16}},
                                          [](int, int y) { return y < 32 ? BLUE : GREEN; });
    Percentage bar(texture, 0, 1);
    struct Case { float value; float width; };
    for (const Case& c : {Case{0.5f, 80.0f}, Case{1.5f, 160.0f}, Case{-0.2f, 0.0f}, Case{0.25f, 40.0f}}) {
        bar.setValue(c.value);
        const Quad& shown = *static_cast<Quad*>(bar.bar.pSkin);
        EXPECT_FLOAT_EQ(shown.width, c.width) << c.value;
        EXPECT_FLOAT_EQ(shown.uvRect.left, 0.25f);
        EXPECT_NEAR(bar.bar.local2world(V3(-0.5f * shown.width, 0.0f, 0.0f)).x, -80.0f, 1e-4) << c.value;
    }
}

} // namespace
