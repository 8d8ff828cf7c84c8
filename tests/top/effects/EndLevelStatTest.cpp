// A line of the end-of-house statistics page, stepped on a bare screen over
// the running game: its label and value where its row puts them, the value
// a plain "0" until the count starts a second after the line came, then
// counting to its value in half a second, rounded down (so a negative value
// counts down past the halves), in the line's format.
#include "GameHarness.h"

#include "RenderableText.h"
#include "effects/EndLevelStat.h"

namespace {

using namespace testsupport;

TEST(EndLevelStat, ALineCountsUpRoundingDownFromASecondOnInItsFormatAtItsRowsHeight)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
    // Seconds after the lines came.
    const double checks[] = {0.5, 1.25, 2.0};
    const struct {
        int row, value;
        const char* format;
        float y;
        // The value's text at each check.
        const char* texts[std::size(checks)];
    } lines[] = {
        {0, -3, "%d", 50.0f, {"0", "-2", "-3"}},
        {1, 9, "%d sec", 25.0f, {"0", "4 sec", "9 sec"}},
        {3, 7, "%d", -25.0f, {"0", "3", "7"}},
        {4, 0, "%d%%", -50.0f, {"0", "0%", "0%"}},
    };
    std::vector<EndLevelStat*> made;
    for (const auto& line : lines) {
        made.push_back(new EndLevelStat(line.row, "a label", line.value));
        made.back()->format = line.format;
        stage->addChildLast(made.back());
        EXPECT_EQ(made.back()->labelText->position, V3(-180.0f, line.y, 0.0f)) << line.row;
        EXPECT_EQ(made.back()->valueText->position, V3(180.0f, line.y, 0.0f)) << line.row;
    }
    double elapsed = 0.0;
    for (size_t k = 0; k < std::size(checks); ++k) {
        game.stepSeconds(checks[k] - elapsed);
        elapsed = checks[k];
        for (size_t i = 0; i < made.size(); ++i)
            EXPECT_EQ(made[i]->valueText->text, lines[i].texts[k]) << lines[i].value << " after " << elapsed << " s";
    }
    stage->bFinished = true;
}

}
