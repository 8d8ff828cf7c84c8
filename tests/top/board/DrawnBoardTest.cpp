// What the board shows when drawn: the busiest house with every kind of
// piece on it, drawn through the real screen stack and checked where each
// kind must show.
#include "BoardTestSupport.h"

#include "BusiestBoard.h"
#include "ScreenPixels.h"
#include "board/Coin.h"
#include "board/Feature.h"
#include "board/PlayerHUD.h"

namespace boardtest {
namespace {

using Scene = BoardTest;

// A glow fades from 1 over 1.333 s, its outline pulsing five times; it is
// brightest at 0.45, this long after the clash.
constexpr double GLOW_AT_ITS_BRIGHTEST = 0.73;
// The generated body frames: yellow, red and blue faces.
const UColor BODY_COLOURS[] = {UColor(255, 208, 48, 255), UColor(246, 102, 72, 255), UColor(82, 96, 214, 255)};

// The share of the pixels within radius of (x, y) that look right.
double shareLooking(const MemoryImageFile& screen, int x, int y, int radius, const std::function<bool(UColor)>& looks)
{
    int inside = 0, right = 0;
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            if (dx * dx + dy * dy <= radius * radius) {
                ++inside;
                right += looks(pixelAt(screen, x + dx, y + dy)) ? 1 : 0;
            }
    return static_cast<double>(right) / inside;
}

TEST_F(Scene, TheBusiestBoardShowsEveryKindOfPiece)
{
    GameHarness::seed(7);
    BusiestBoard board(*game);
    harness->stepSeconds(BusiestBoard::SETTLE_SECONDS);
    board.stir();
    harness->stepSeconds(GLOW_AT_ITS_BRIGHTEST);
    pKiv->pGraphics->clear(UColor(0, 0, 0, 0));
    harness->stack()->render();
    const std::unique_ptr<MemoryImageFile> screen = grab();

    const Camera& camera = *game->scene->pCamera;
    auto inScene = [&camera](V3 world) { return camera.world2screen(world.x, world.y, world.z); };
    // The window shows the 640 x 480 virtual screen; the overlay has its
    // origin in the middle.
    auto onOverlay = [](V3 point) { return point + V3(320.0f, 240.0f, 0.0f); };
    const Smiley* face = board.smileys[3];
    const UColor body = BODY_COLOURS[face->features[0]->frame];
    const std::vector<Coin*> coins = childrenOf<Coin>(game->coinLayer);
    const auto goldCoin = std::find_if(coins.begin(), coins.end(), [](const Coin* coin) { return coin->value == 25; });
    ASSERT_NE(goldCoin, coins.end());
    const Renderable* popup = static_cast<Renderable*>(game->effectLayer->getChildAt(0));

    const struct {
        const char* what;
        // View units from the left and bottom edges.
        V3 at;
        int radius;
        std::function<bool(UColor)> looks;
        double share;
    } probes[] = {
        {"an apartment's wall", inScene(board.smileys[0]->apartment->position + V3(30.0f, 96.0f, 0.0f)), 0,
         [](UColor c) { return c.r > 220 && c.g > 190 && c.b > 140 && c.r > c.b + 30; }, 1.0},
        {"a smiley's face", inScene(face->boundsCentre), 10,
         [body](UColor c) { return bool(sameColor(body, c, 40)); }, 0.25},
        {"a clash glowing green", inScene(board.glowing[0]->boundsCentre), 18,
         [](UColor c) { return c.g > 180 && c.g > c.r + 60 && c.g > c.b + 60; }, 0.02},
        {"a gold coin", inScene((*goldCoin)->boundsCentre), 0,
         [](UColor c) { return c.r > 150 && c.r < 240 && c.g > 120 && c.g < 200 && c.b < 100; }, 1.0},
        {"a score popup's star", inScene(popup->position), 2,
         [](UColor c) { return c.r > 200 && c.g > 140 && c.g < 210 && c.b < 60; }, 0.5},
        {"the display's panel", onOverlay(game->hud->position + V3(145.0f, -40.0f, 0.0f)), 0,
         [](UColor c) { return c.r < 60 && c.g < 80 && c.b > 80 && c.b < 160; }, 1.0},
        {"the thermometer's column", onOverlay(game->hud->getThermometerPosition(0.3f) + V3(2.0f, 0.0f, 0.0f)), 0,
         [](UColor c) { return bool(sameColor(BusiestBoard::THERMOMETER_COLOUR, c, 16)); }, 1.0},
    };
    for (const auto& probe : probes) {
        const int x = static_cast<int>(probe.at.x), y = 480 - static_cast<int>(probe.at.y);
        const int r = probe.radius;
        ASSERT_TRUE(x >= r && y >= r && x < 640 - r && y < 480 - r) << probe.what << " off the screen";
        EXPECT_GE(shareLooking(*screen, x, y, probe.radius, probe.looks), probe.share) << probe.what;
    }
}

}
}
