#include "StackTestSupport.h"

#include "Percentage.h"

namespace {

using namespace stacktest;

// Background 240 x 24 in blue, the bar 200 x 16 in green below it.
Texture* barTexture()
{
    static Texture* texture = makeTexture("progressbar", 256, 64, {{0, 0, 240, 24}, {0, 32, 200, 16}},
                                          [](int, int y) { return y < 32 ? BLUE : GREEN; });
    return texture;
}

TEST(Percentage, BarShowsTheValueClampedFromItsLeftEnd)
{
    struct Case { float value; float width; };
    Percentage bar(barTexture(), 0, 1);
    const Quad& full = *static_cast<Quad*>(barTexture()->skins[1]);
    for (const Case& c : {Case{0.25f, 50.0f}, Case{1.5f, 200.0f}, Case{-0.2f, 0.0f}}) {
        bar.setValue(c.value);
        const Quad& shown = *static_cast<Quad*>(bar.bar.pSkin);
        EXPECT_FLOAT_EQ(c.width, shown.width) << c.value;
        EXPECT_FLOAT_EQ(full.uvRect.left, shown.uvRect.left);
        EXPECT_NEAR(-100.0f, bar.bar.local2world(V3(-0.5f * shown.width, 0.0f, 0.0f)).x, 1e-4)
            << "the left end stays put";
    }
}

} // namespace
