#include "ScreenTestSupport.h"

#include "ContextHighScoreOptions.h"
#include "ContextHighScores.h"
#include "MenuEnum.h"
#include "RenderableText.h"

namespace {

using namespace screentest;

class ContextHighScoresTest : public ScreenTest {
protected:
    // Clicks the chooser's right arrow.
    void nextTable(ContextHighScores& screen)
    {
        const MenuEnum& chooser = *screen.pTableChooser;
        clickAt(chooser.position.x + MenuItem::DEFAULT_WIDTH / 2.0f - MenuInt::ARROW_INSET, chooser.position.y);
    }
    static std::vector<int> highlightedRows(const ContextHighScores& screen)
    {
        std::vector<int> rows;
        for (int row = 0; row < ContextHighScores::ROW_COUNT; ++row)
            if (screen.nameTexts[row]->color == ContextHighScores::HIGHLIGHT_COLOR)
                rows.push_back(row);
        return rows;
    }
};

// Ranks from "1." to "10.", scores grouped by thousands (a fresh table's
// 100,000 down to 10,000, nameless); the chooser shows the next table; a
// table that does not exist shows the first.
TEST_F(ContextHighScoresTest, ShowsTheChosenTableWithGroupedScores)
{
    pGlobal->hst.insertHighScore(1, "Quester", 95000, 0, 0, true);
    auto* screen = open(new ContextHighScores(0));
    const auto rows = [&screen] {
        std::vector<std::string> shown;
        for (int row = 0; row < ContextHighScores::ROW_COUNT; ++row)
            shown.push_back(screen->rankTexts[row]->text + " " + screen->nameTexts[row]->text + " " +
                            screen->scoreTexts[row]->text);
        return shown;
    };
    EXPECT_EQ(rows(), (std::vector<std::string>{"1.  100,000", "2.  90,000", "3.  80,000", "4.  70,000",
                                                "5.  60,000", "6.  50,000", "7.  40,000", "8.  30,000",
                                                "9.  20,000", "10.  10,000"}));
    nextTable(*screen);
    EXPECT_EQ(rows(), (std::vector<std::string>{"1.  100,000", "2. Quester 95,000", "3.  90,000", "4.  80,000",
                                                "5.  70,000", "6.  60,000", "7.  50,000", "8.  40,000",
                                                "9.  30,000", "10.  20,000"}));
    for (const int unknown : {-1, HSTdata::TABLE_COUNT})
        EXPECT_EQ(open(new ContextHighScores(unknown))->table, 0) << unknown;
}

TEST_F(ContextHighScoresTest, HighlightsThePlayersNewestRowOnlyInItsTable)
{
    addPlayers({"Ann"});
    ProfileManager& roster = pGlobal->profileManager;
    roster.lastHighScorePosition = pGlobal->hst.insertHighScore(1, "Ann", 75000, 0, 0, true);
    ASSERT_EQ(roster.lastHighScorePosition, 3);

    auto* screen = open(new ContextHighScores(1));
    EXPECT_EQ(highlightedRows(*screen), std::vector<int>{3});
    nextTable(*screen);
    EXPECT_TRUE(highlightedRows(*screen).empty());
}

// The newest of the current player's rows at the remembered position wins;
// another player's row is never the current player's.
TEST_F(ContextHighScoresTest, TheNewestOfThePlayersRowsInTwoTablesWins)
{
    addPlayers({"Ann"});
    HSTdata& block = pGlobal->hst;
    block.insertHighScore(0, "Ann", 95000, 0, 0, true);
    pGlobal->profileManager.lastHighScorePosition = block.insertHighScore(2, "Ann", 95000, 0, 0, true);
    block.highScores[0][1].time.set(block.highScores[2][1].time.get() - 60);
    EXPECT_EQ(ContextHighScores::findNewestEntryTable(), 2);
    block.highScores[0][1].time.set(block.highScores[2][1].time.get() + 60);
    EXPECT_EQ(ContextHighScores::findNewestEntryTable(), 0);
    addPlayers({"Bob"});
    pGlobal->profileManager.lastHighScorePosition = 1;
    EXPECT_EQ(ContextHighScores::findNewestEntryTable(), -1);
    EXPECT_TRUE(highlightedRows(*open(new ContextHighScores(0))).empty());
}

TEST_F(ContextHighScoresTest, OptionsResetTheTablesOnlyAfterYes)
{
    addPlayers({"Ann"});
    pGlobal->profileManager.lastHighScorePosition = pGlobal->hst.insertHighScore(0, "Ann", 150000, 0, 0, true);
    auto* scores = open(new ContextHighScores(0));
    clickOn(scores->pOptionsButton);
    auto* options = dynamic_cast<ContextHighScoreOptions*>(top());
    ASSERT_NE(options, nullptr);
    frame();

    clickOn(options->pResetButton);
    answer(false);
    EXPECT_EQ(pGlobal->hst.highScores[0][0].score, 150000);
    clickOn(options->pResetButton);
    answer(true);
    EXPECT_EQ(pGlobal->hst.highScores[0][0].score, 100000);
    EXPECT_EQ(pGlobal->profileManager.lastHighScorePosition, -1);

    clickOn(options->pBackButton);
    frame();
    EXPECT_EQ(top(), scores);
    EXPECT_EQ(scores->scoreTexts[0]->text, "100,000");
    EXPECT_TRUE(highlightedRows(*scores).empty());
}

} // namespace
