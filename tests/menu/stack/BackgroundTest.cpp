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
