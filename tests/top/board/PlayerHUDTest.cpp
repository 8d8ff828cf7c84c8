// The heads-up display of a current game, ticked with a fixed step and drawn
// through its overlay: the rolling score, and the thermometer's column
// (clamped to its tube) and slot marks as they appear on screen.
#include "GameHarness.h"

#include "GameController.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "MyGlobal.h"
#include "PlayerData.h"
#include "PlayerHUD.h"
#include "ScreenPixels.h"

#include <gtest/gtest.h>

#include <vector>

namespace boardtest {
namespace {

using namespace testsupport;

constexpr double DT = 0.01;

// A game that is current but not on the screen stack, so that nothing but
// the test moves its display.
class CurrentGame {
public:
    CurrentGame() : game(new GameController()), hud(*game->hud), data(*game->playerData)
    {
        getMyGlobal()->pCurrentGame = game;
    }
    ~CurrentGame()
    {
        getMyGlobal()->pCurrentGame = nullptr;
        delete game;
    }
    CurrentGame(const CurrentGame&) = delete;
    CurrentGame& operator=(const CurrentGame&) = delete;

    void tickSeconds(double seconds)
    {
        for (int frame = 0; frame < static_cast<int>(seconds / DT + 0.5); ++frame) {
            t += DT;
            hud.tick(t, DT);
        }
    }

    GameController* const game;
    PlayerHUD& hud;
    PlayerData& data;
    double t = 0.0;
};

TEST(PlayerHUD, TheScoreRollsToItsNewValueInHalfASecondFromWhateverItShows)
{
    GameHarness::get();
    CurrentGame current;
    const struct {
        int32_t score;
        int32_t shownAfterAQuarterSecond;
    } steps[] = {
        {1000, 750},
        {1000, 1000},
        {0, 250},
        // Half-way down a roll starts from the 250 shown.
        {1000, 812},
        {1000, 1000},
    };
    for (const auto& step : steps) {
        current.data.score = step.score;
        // The frame that sees the new score starts the roll.
        current.tickSeconds(DT);
        current.tickSeconds(0.25);
        // The roll's progress is summed frame by frame in single precision,
        // and the shown value is cut to a whole number.
        EXPECT_NEAR(current.hud.displayedScore, step.shownAfterAQuarterSecond, 1) << "towards " << step.score;
    }
}

// What a point of the thermometer shows: the coloured column, a slot mark,
// or neither (the empty tube, the frame or the screen behind).
enum class Look { COLUMN, MARK, EMPTY };

Look lookAt(const MemoryImageFile& screen, const V3& point)
{
    // Beside the column's shine, on the tube's axis.
    const UColor pixel = worldPixel(screen, point.x + 2.0f, point.y);
    if (pixel.r > 200 && pixel.g < 60 && pixel.b < 60)
        return Look::COLUMN;
    if (pixel.r > 200 && pixel.g > 200 && pixel.b > 200)
        return Look::MARK;
    return Look::EMPTY;
}

TEST(PlayerHUD, TheThermometerShowsItsColumnClampedAndTheSlotMarksBelowTheTop)
{
    GameHarness::get();
    CurrentGame current;
    PlayerHUD& hud = current.hud;
    hud.hidePanel = false;
    hud.showThermometer = true;
    hud.thermometerColour = UColor(255, 0, 0, 255);
    current.tickSeconds(1.0);

    // The column's top at these levels, and a point above the thermometer.
    const float probes[] = {0.0f, 0.25f, 0.5f, 0.75f, 1.0f, 2.0f};
    const struct {
        float level;
        bool slots;
        int32_t slotCount;
        std::vector<Look> looks;
    } rows[] = {
        {0.0f, true, 4, {Look::COLUMN, Look::MARK, Look::MARK, Look::MARK, Look::EMPTY, Look::EMPTY}},
        {-0.2f, true, 4, {Look::COLUMN, Look::MARK, Look::MARK, Look::MARK, Look::EMPTY, Look::EMPTY}},
        {0.0f, false, 4, {Look::COLUMN, Look::EMPTY, Look::EMPTY, Look::EMPTY, Look::EMPTY, Look::EMPTY}},
        {0.0f, true, 2, {Look::COLUMN, Look::EMPTY, Look::MARK, Look::EMPTY, Look::EMPTY, Look::EMPTY}},
        {0.5f, true, 4, {Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::MARK, Look::EMPTY, Look::EMPTY}},
        {1.0f, false, 0, {Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::EMPTY}},
        {1.7f, false, 0, {Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::COLUMN, Look::EMPTY}},
    };
    for (const auto& row : rows) {
        hud.thermometerLevel = row.level;
        hud.thermometerSlots = row.slots;
        hud.slotCount = row.slotCount;
        pKiv->pGraphics->clear(UColor(0, 0, 0, 255));
        current.game->overlay->render();
        const std::unique_ptr<MemoryImageFile> screen = grab();
        for (size_t i = 0; i < std::size(probes); ++i) {
            const float above = probes[i] > 1.0f ? 24.0f : 0.0f;
            EXPECT_EQ(lookAt(*screen, hud.getThermometerPosition(probes[i]) + V3(0.0f, above, 0.0f)), row.looks[i])
                << "level " << row.level << " with " << row.slotCount << " slots " << row.slots << ", probe at "
                << probes[i];
        }
    }
}

}
}
