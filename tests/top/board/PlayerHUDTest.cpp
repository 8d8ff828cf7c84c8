// The heads-up display of a current game drawn through its overlay: the
// thermometer's column (clamped to its tube) and slot marks as they appear
// on screen.
#include "BoardTestSupport.h"

#include "PlayerHUD.h"
#include "ScreenPixels.h"

namespace boardtest {
namespace {

using namespace testsupport;

using PlayerHUDTest = BoardTest;

TEST_F(PlayerHUDTest, TheThermometerShowsItsColumnClampedAndTheSlotMarksBelowTheTop)
{
    PlayerHUD& hud = *game->hud;
    hud.hidePanel = false;
    hud.showThermometer = true;
    hud.thermometerColour = UColor(255, 0, 0, 255);
    harness->stepSeconds(1.0);
    // What the thermometer shows at the column's top at levels 0, 0.25, 0.5,
    // 0.75 and 1, and above the tube: 'C' the column, 'M' a slot mark, '.'
    // neither.
    const float probes[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 2.0f};
    const struct {
        float level;
        bool slots;
        int32_t slotCount;
        const char* looks;
    } rows[] = {
        {0.0f, true, 4, "CMMM.."}, {-0.2f, true, 4, "CMMM.."}, {0.0f, false, 4, "C....."}, {0.0f, true, 2, "C.M..."},
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
        for (const float probe : probes) {
            // Beside the column's shine, on the tube's axis.
            const V3 at = hud.getThermometerPosition(probe) + V3(2.0f, probe > 1.0f ? 24.0f : 0.0f, 0.0f);
            const UColor pixel = worldPixel(*screen, at.x, at.y);
            const bool red = pixel.r > 200 && pixel.g < 60 && pixel.b < 60;
            looks += red ? 'C' : pixel.r > 200 && pixel.g > 200 && pixel.b > 200 ? 'M' : '.';
        }
        EXPECT_EQ(looks, row.looks) << "level " << row.level << " with " << row.slotCount << " slots " << row.slots;
    }
}

}
}
