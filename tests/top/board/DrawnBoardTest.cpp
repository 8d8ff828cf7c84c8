// What the board shows when drawn: the busiest house with every kind of
// piece on it, drawn through the real screen stack and checked where each
// kind must show; and the heads-up display's thermometer, its column
// clamped to its tube and its slot marks.
#include "BoardTestSupport.h"

#include "BusiestBoard.h"
#include "EveryIndex.h"
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

// An apartment's wall, where nothing stands in front of it.
bool isWall(UColor c)
{
    return c.r > 220 && c.g > 190 && c.b > 140 && c.r > c.b + 30;
}

TEST_F(Scene, TheBusiestBoardShowsEveryKindOfPiece)
{
    GameHarness::seed(7);
    BusiestBoard board(*game);
    harness->stepSeconds(BusiestBoard::SETTLE_SECONDS);
    const Camera& camera = *game->scene->pCamera;
    auto inScene = [&camera](V3 world) { return camera.world2screen(world.x, world.y, world.z); };
    // Before the stir covers some: every apartment's wall and every smiley's
    // face, in its body's colour (a tenth of it at least, its features over
    // the rest), clowns aside.
    const std::unique_ptr<MemoryImageFile> settled = drawn(*harness);
    EXPECT_TRUE(everyIndex(board.smileys.size(), [&](size_t i) {
        const Smiley* smiley = board.smileys[i];
        const V3 wall = inScene(smiley->apartment->position + V3(30.0f, 96.0f, 0.0f));
        if (!isWall(pixelAt(*settled, static_cast<int>(wall.x), 480 - static_cast<int>(wall.y))))
            return false;
        if (smiley->isClown)
            return true;
        const V3 face = inScene(smiley->boundsCentre);
        const UColor body = BODY_COLOURS[smiley->features[0]->frame];
        return shareLooking(*settled, static_cast<int>(face.x), 480 - static_cast<int>(face.y), 10,
                            [body](UColor c) { return bool(sameColor(body, c, 40)); }) >= 0.1;
    })) << "the smileys and their walls, top floor first";
    board.stir();
    harness->stepSeconds(GLOW_AT_ITS_BRIGHTEST);
    const std::unique_ptr<MemoryImageFile> screen = drawn(*harness);

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
        {"an apartment's wall", inScene(board.smileys[0]->apartment->position + V3(30.0f, 96.0f, 0.0f)), 0, isWall,
         1.0},
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

using PlayerHUDTest = BoardTest;

TEST_F(PlayerHUDTest, TheThermometerShowsItsColumnClampedAndTheSlotMarksBelowTheTop)
{
    PlayerHUD& hud = *game->hud;
    hud.hidePanel = false;
    hud.showThermometer = true;
    hud.thermometerColour = UColor(255, 0, 0, 255);
    harness->stepSeconds(1.1);
    // The column's top at level L, slid in: 25 right of the display, 370
    // below it, 3 left of the tube's axis, 50 + 250 L - 6 up; probed 2 right
    // of that, beside the column's shine, and 24 above the full column.
    const float levels[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 1.0f};
    // At each level: 'C' the column, 'M' a slot mark, '.' neither.
    const struct {
        float level;
        bool slots;
        int32_t slotCount;
        const char* looks;
    } rows[] = {
        {0.0f, true, 4, "CMMM.."},  {-0.2f, true, 4, "CMMM.."}, {0.0f, false, 4, "C....."}, {0.0f, true, 2, "C.M..."},
        {0.5f, true, 4, "CCCM.."}, {1.0f, false, 0, "CCCCC."}, {1.7f, false, 0, "CCCCC."},
    };
    for (const auto& row : rows) {
        hud.thermometerLevel = row.level;
        hud.thermometerSlots = row.slots;
        hud.slotCount = row.slotCount;
        pKiv->pGraphics->clear(UColor(0, 0, 0, 255));
        game->overlay->render();
        const std::unique_ptr<MemoryImageFile> screen = grab();
        std::string looks;
        for (size_t i = 0; i < std::size(levels); ++i) {
            const float above = i + 1 == std::size(levels) ? 24.0f : 0.0f;
            const UColor pixel = worldPixel(*screen, hud.position.x + 25.0f - 3.0f + 2.0f,
                                            hud.position.y - 370.0f + 44.0f + 250.0f * levels[i] + above);
            const bool red = pixel.r > 200 && pixel.g < 60 && pixel.b < 60;
            looks += red ? 'C' : pixel.r > 200 && pixel.g > 200 && pixel.b > 200 ? 'M' : '.';
        }
        EXPECT_EQ(looks, row.looks) << "level " << row.level << " with " << row.slotCount << " slots " << row.slots;
    }
}

}
}
