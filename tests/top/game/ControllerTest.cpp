// The controller's guards against what it is given: the difficulty setting
// of the persistent block, and a house in play with no smiley left for its
// timers to pick.
#include "GameSession.h"

namespace {

using namespace testsupport;

TEST(GameController, DifficultyFromTheSettingsIsKeptWithinItsFourLevels)
{
    GameHarness& game = GameHarness::get();
    GameSession session(game);
    const int32_t kept = pGlobal->hst.startingLevel;
    const struct {
        int32_t setting;
        int difficulty;
        int slots;
    } rows[] = {{-5, 0, 10}, {0, 0, 10}, {2, 2, 6}, {3, 3, 4}, {9, 3, 4}};
    for (const auto& row : rows) {
        pGlobal->hst.startingLevel = row.setting;
        GameControllerAdventure* quest = session.start<GameControllerAdventure>();
        EXPECT_EQ(quest->difficulty, row.difficulty) << row.setting;
        EXPECT_EQ(quest->thermometerSlotCount, row.slots) << row.setting;
        EXPECT_EQ(quest->hud->slotCount, row.slots) << row.setting;
        quest->bFinished = true;
        game.step(2);
    }
    pGlobal->hst.startingLevel = kept;
}

TEST(GameController, EmptyHouseInPlaySurvivesItsImpatienceAndBubbleTimers)
{
    GameHarness& game = GameHarness::get();
    GameController* empty = new GameController();
    game.stack()->pushContext(empty);
    getMyGlobal()->pCurrentGame = empty;
    empty->state = 6;
    empty->impatienceMin = empty->impatienceMax = 0.1;
    empty->bubbleMin = empty->bubbleMax = 0.1;
    empty->nextImpatience = empty->nextBubble = 0.05;
    game.step(50);
    EXPECT_GT(empty->nextBubble, 0.4) << "rescheduled again and again";
    EXPECT_GT(empty->nextImpatience, 0.4);
    empty->bFinished = true;
    game.step(2);
    EXPECT_EQ(getMyGlobal()->pCurrentGame, nullptr);
}

}
