#include "StackTestSupport.h"

#include "Background.h"
#include "Context.h"
#include "ContextPre.h"

namespace {

using namespace stacktest;

const UColor SKY(16, 128, 208, 255);
const UColor CLOUD(250, 250, 250, 255);
const UColor HILL(0, 128, 0, 255);
const UColor GRASS(0, 200, 0, 255);
const UColor EARTH(128, 64, 0, 255);
const UColor STRIPE(255, 0, 0, 255);

// Layers 64 (sky, hills) and 32 (grass, ground) wide, each with a red stripe
// on its four leftmost columns, so that tile starts can be found on screen.
void registerScenery()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    makeStripedSkin("sky:0", 64, 32, CLOUD, STRIPE, 1);
    makeStripedSkin("hills:all", 64, 16, HILL, STRIPE, 1);
    makeStripedSkin("grass:all", 32, 8, GRASS, STRIPE, 1);
    makeStripedSkin("ground:all", 32, 16, EARTH, STRIPE, 7);
}

class BackgroundTest : public ::testing::Test {
protected:
    void SetUp() override { registerScenery(); }

    // The frame after drawing a Background with the flags through a default
    // camera moved sideways to x.
    std::unique_ptr<MemoryImageFile> draw(int flags, float cameraX)
    {
        Context screen;
        screen.pCamera->position.x = cameraX;
        screen.pCamera->lookAtPoint.x = cameraX;
        screen.pCamera->tick(0.0, 0.0);
        screen.addChildLast(new Background(flags));
        clearFrame();
        screen.render();
        return grab();
    }

    // Screen columns where a red stripe starts on the row showing world y.
    static std::vector<int> stripeStarts(const MemoryImageFile& image, float worldY)
    {
        const int row = static_cast<int>(240.0f - worldY);
        std::vector<int> starts;
        for (int x = 0; x < 640; ++x)
            if (pixelAt(image, x, row) == STRIPE && (x == 0 || !(pixelAt(image, x - 1, row) == STRIPE)))
                starts.push_back(x);
        return starts;
    }
};

TEST_F(BackgroundTest, RowsCoverTheWholeWidthAndScrollByTheirParallax)
{
    struct Case { int flags; float worldY; int tile; float cameraX; int firstStripe; };
    // Sky (parallax 3) moves by a third of the camera's travel, grass
    // (parallax 1) with it: 300 to the right moves the sky 100 and the grass
    // 300 to the left, modulo the tile width; the same holds left of the
    // origin, where the row must still start at the view's left edge.
    const Case cases[] = {
        {Background::LAYER_SKY, 100.0f, 64, 300.0f, 28},
        {Background::LAYER_SKY, 100.0f, 64, -300.0f, 36},
        {Background::LAYER_GRASS, 3.0f, 32, 300.0f, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "flags " << c.flags << " camera " << c.cameraX);
        auto image = draw(c.flags, c.cameraX);
        const std::vector<int> starts = stripeStarts(*image, c.worldY);
        ASSERT_FALSE(starts.empty());
        EXPECT_EQ(c.firstStripe, starts.front());
        for (size_t i = 1; i < starts.size(); ++i)
            EXPECT_EQ(c.tile, starts[i] - starts[i - 1]);
        EXPECT_GT(starts.back() + c.tile, 639) << "no gap at the right edge";
        const int row = static_cast<int>(240.0f - c.worldY);
        EXPECT_FALSE(pixelAt(*image, 0, row) == BACKDROP) << "no gap at the left edge";
        EXPECT_FALSE(pixelAt(*image, 639, row) == BACKDROP);
    }
}

TEST(ContextPre, DrawsTheWholeSceneryBehindAMenuScreen)
{
    registerScenery();
    ContextPre pre;
    Context menu;
    menu.pBackgroundContext = &pre;
    menu.tick(0.0, 0.02);
    clearFrame();
    menu.render();
    auto image = grab();
    // Through the scenery camera the view's bottom edge is y = -4: the
    // ground fills the bottom rows, grass above it, the sky colour on top.
    EXPECT_TRUE(sameColor(EARTH, pixelAt(*image, 330, 478)));
    EXPECT_TRUE(sameColor(GRASS, pixelAt(*image, 330, 470)));
    EXPECT_TRUE(sameColor(SKY, pixelAt(*image, 330, 20)));
}

} // namespace
