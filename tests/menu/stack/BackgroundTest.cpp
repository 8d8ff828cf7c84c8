#include "StackTestSupport.h"

#include "Background.h"
#include "Context.h"
#include "ContextPre.h"

namespace {

using namespace stacktest;

const UColor SKY(16, 128, 208, 255);
const UColor GRASS(0, 200, 0, 255);
const UColor EARTH(128, 64, 0, 255);

// Layers 64 (sky, hills) and 32 (grass, ground) wide, each with a red stripe
// on its four leftmost columns, so that tile starts can be found on screen.
void registerScenery()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    makeStripedSkin("sky:0", 64, 32, WHITE, RED, 1);
    makeStripedSkin("hills:all", 64, 16, BLUE, RED, 1);
    makeStripedSkin("grass:all", 32, 8, GRASS, RED, 1);
    makeStripedSkin("ground:all", 32, 16, EARTH, RED, 7);
}

// Sky (parallax 3) moves by a third of the camera's travel, grass (parallax
// 1) with it: 300 to the right moves the sky 100 and the grass 300 to the
// left, modulo the tile width; left of the origin too, where the row must
// still start at the view's left edge.
TEST(BackgroundTest, RowsCoverTheWholeWidthAndScrollByTheirParallax)
{
    registerScenery();
    struct Case { int flags; float worldY; int tile; float cameraX; int firstStripe; };
    const Case cases[] = {
        {Background::LAYER_SKY, 100.0f, 64, 300.0f, 28},   {Background::LAYER_SKY, 100.0f, 64, -300.0f, 36},
        {Background::LAYER_GRASS, 3.0f, 32, 300.0f, 20},   {Background::LAYER_GRASS, 3.0f, 32, -300.0f, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "flags " << c.flags << " camera " << c.cameraX);
        Context screen;
        screen.pCamera->position.x = screen.pCamera->lookAtPoint.x = c.cameraX;
        screen.pCamera->tick(0.0, 0.0);
        screen.addChildLast(new Background(c.flags));
        clearFrame();
        screen.render();
        const auto image = grab();
        const int row = static_cast<int>(240.0f - c.worldY);
        std::vector<int> starts;
        for (int x = 0; x < 640; ++x)
            if (pixelAt(*image, x, row) == RED && (x == 0 || !(pixelAt(*image, x - 1, row) == RED)))
                starts.push_back(x);
        ASSERT_FALSE(starts.empty());
        EXPECT_EQ(starts.front(), c.firstStripe);
        for (size_t i = 1; i < starts.size(); ++i)
            EXPECT_EQ(starts[i] - starts[i - 1], c.tile);
        EXPECT_GT(starts.back() + c.tile, 639) << "no gap at the right edge";
    }
}

// Through the scenery camera the view's bottom edge is y = -4: the ground
// fills the bottom rows, grass above it, the sky colour on top.
TEST(ContextPre, DrawsTheWholeSceneryBehindAMenuScreen)
{
    registerScenery();
    ContextPre pre;
    Context menu;
    menu.pBackgroundContext = &pre;
    menu.tick(0.0, 0.02);
    clearFrame();
    menu.render();
    const auto image = grab();
    const struct { int y; UColor fill; } rows[] = {{478, EARTH}, {470, GRASS}, {20, SKY}};
    for (const auto& row : rows) {
        EXPECT_TRUE(pixelShows(row.fill, pixelAt(*image, 330, row.y))) << "row " << row.y;
        // Across the whole width: the layer, or its tiles' leading stripe.
        EXPECT_TRUE(testsupport::everyIndex(640, [&](size_t x) {
            const UColor pixel = pixelAt(*image, static_cast<int>(x), row.y);
            return pixelShows(row.fill, pixel) || pixelShows(RED, pixel);
        })) << "row " << row.y;
    }
}

} // namespace
