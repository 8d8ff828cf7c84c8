// Where the heads-up display puts what it shows on the 640 x 480 view, drawn
// through the real screen stack: the panel in the view's top-left corner,
// the score starting 5 units in from it, the lives right of their heart, and
// the thermometer's slot marks at the levels 0, 1/n, ..., (n - 1)/n of its
// column.
#include "BoardTestSupport.h"

#include "ScreenPixels.h"
#include "board/PlayerHUD.h"

namespace boardtest {
namespace {

using Hud = BoardTest;

// The rows and columns of the view where two frames differ, in the columns
// from left to right.
std::vector<std::pair<int, int>> changed(const MemoryImageFile& a, const MemoryImageFile& b, int left, int right)
{
    std::vector<std::pair<int, int>> points;
    for (int y = 0; y < a.height; ++y)
        for (int x = left; x < right; ++x)
            if (!sameColor(pixelAt(a, x, y), pixelAt(b, x, y), 8))
                points.emplace_back(y, x);
    return points;
}

TEST_F(Hud, PanelScoreLivesAndSlotMarksStandWhereTheDisplayPutsThem)
{
    PlayerHUD& hud = *game->hud;
    hud.hidePanel = false;
    hud.showThermometer = true;
    hud.slotCount = 4;
    harness->stepSeconds(1.1);
    EXPECT_EQ(hud.position, V3(-320.0f, 240.0f, 0.0f)) << "the view's top-left corner";

    // The score "0" against "11": the first digit's ink starts just right of
    // and below the point 5 units in from the corner.
    const std::unique_ptr<MemoryImageFile> zero = drawn(*harness);
    game->playerData->score = 11;
    harness->stepSeconds(0.6);
    const std::vector<std::pair<int, int>> digits = changed(*zero, *drawn(*harness), 0, 160);
    ASSERT_FALSE(digits.empty());
    const int top = std::min_element(digits.begin(), digits.end())->first;
    const int left =
        std::min_element(digits.begin(), digits.end(), [](auto a, auto b) { return a.second < b.second; })->second;
    EXPECT_TRUE(top >= 5 && top <= 9) << top;
    EXPECT_TRUE(left >= 5 && left <= 9) << left;

    // The lives "3" against "7": only right of the heart, 100 units in, where
    // the coins' number (27 in) stays as it was.
    hud.showLives = true;
    game->playerData->lives = 3;
    const std::unique_ptr<MemoryImageFile> three = drawn(*harness);
    game->playerData->lives = 7;
    const std::vector<std::pair<int, int>> lives = changed(*three, *drawn(*harness), 0, 160);
    ASSERT_FALSE(lives.empty());
    for (const auto& [y, x] : lives)
        EXPECT_TRUE(x >= 100 && x < 130) << x;

    // Four marks, centred on the tube 22 units in from the left edge, at
    // 44 + 250 i / 4 units above the thermometer's foot, 370 below the top.
    const std::unique_ptr<MemoryImageFile> unmarked = drawn(*harness);
    hud.thermometerSlots = true;
    const std::vector<std::pair<int, int>> marks = changed(*unmarked, *drawn(*harness), 0, 60);
    std::vector<double> centres;
    for (size_t i = 0, first = 0; i < marks.size(); ++i)
        if (i + 1 == marks.size() || marks[i + 1].first > marks[i].first + 1) {
            centres.push_back((marks[first].first + marks[i].first) / 2.0);
            first = i + 1;
        }
    ASSERT_EQ(centres.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(centres[3 - i], 326.0 - 250.0 * i / 4.0, 1.5) << "mark " << i;
    for (const auto& [y, x] : marks)
        EXPECT_NEAR(x, 22, 9) << "row " << y;
}

}
}
