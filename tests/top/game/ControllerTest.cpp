// The controller's guards against what it is given: the difficulty setting
// of the persistent block (and the slots and penalty it brings), a house in
// play with no smiley left for its timers to pick, and saved games: how the
// quest mode meets them at the start of a game: offered only when they can
// be continued, cleared when not (which records can be is the rules'
// table). (Continuing one is played through in the mode tests.) And how a
// finished journey ends in every mode.
#include "GameSession.h"

namespace {

using namespace testsupport;

TEST(GameController, DifficultyFromTheSettingsSetsTheSlotsAndTheMistakePenaltyWithinItsFourLevels)
{
    GameSession session(GameHarness::get());
    const int32_t kept = pGlobal->hst.startingLevel;
    for (const auto& [setting, difficulty, slots, penalty] : {
             std::make_tuple(-5, 0, 10, -1000),
             std::make_tuple(2, 2, 6, -3000),
             std::make_tuple(9, 3, 4, -4000),
         }) {
        pGlobal->hst.startingLevel = setting;
        GameControllerAdventure* quest = session.startNew<GameControllerAdventure>(3);
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_EQ(quest->difficulty, difficulty) << setting;
        EXPECT_EQ(quest->hud->slotCount, slots) << setting;
        const auto [a, b] = firstPair(session.presentSmileys(), false);
        ASSERT_NE(a, nullptr);
        quest->playerData->score = 10000;
        session.click(a);
        session.click(b);
        EXPECT_EQ(quest->playerData->score, 10000 + penalty) << setting;
        session.leave();
    }
    pGlobal->hst.startingLevel = kept;
}

// The last challenge round answered at once in each mode (paying its match
// and extra bonuses, 120000): the ending plays with the menu's music back,
// its OK button leads to the high-score table, and the game ends there with
// its score entered for 48 houses and no saved game left; the row marked in
// the table is forgotten once the game has gone.
TEST(GameController, FinishedJourneyShowsTheEndingThenTheHighScoresAndCannotBeContinued)
{
    using Controller = GameController;
    for (const auto& [mode, lives] : {std::make_pair(MODE_QUEST, 1), std::make_pair(MODE_ACTION, 3),
                                      std::make_pair(MODE_PUZZLE, 5)}) {
        SCOPED_TRACE(mode);
        GameSession session = GameSession::quick();
        int row = -1;
        GameController* game = session.continueGame(mode, SavedGame{47, 7, 8, 100000, 0, lives, 0});
        ASSERT_TRUE(game && session.waitForPlay());
        session.game.recorder.observer = [&](const FrameRecord&) {
            if (session.game.currentGame() == game && game->state == Controller::STATE_HIGH_SCORES)
                row = pGlobal->profileManager.lastHighScorePosition;
        };
        session.click(session.challengeAnswer(true));
        ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; }));
        session.game.stepSeconds(8.0);
        EXPECT_EQ(session.game.recorder.frames.back().music, "musicMenu");
        clickOn(session.shown<ContextEnding>()->okButton);
        EXPECT_TRUE(session.closeHighScores());
        EXPECT_EQ(session.states,
                  (std::vector<int>{Controller::STATE_TITLE, Controller::STATE_SAVED_GAME, Controller::STATE_STREET,
                                    Controller::STATE_HOUSE, Controller::STATE_CAPTION, Controller::STATE_PLAY,
                                    Controller::STATE_HOUSE_END, Controller::STATE_STATISTICS,
                                    Controller::STATE_NEXT_HOUSE, Controller::STATE_HIGH_SCORES,
                                    Controller::STATE_CLOSING, Controller::STATE_FINISHED}));
        EXPECT_EQ(session.record(mode).housesPlayed, 0) << "a finished journey cannot be continued";
        EXPECT_EQ(pGlobal->profileManager.lastHighScorePosition, -1) << "the menu's table marks no row";
        ASSERT_GE(row, 0);
        const HighScoreEntry& entry = pGlobal->hst.highScores[mode][row];
        EXPECT_STREQ(entry.name, "Tester");
        EXPECT_EQ(entry.score, 220000);
        EXPECT_EQ(entry.value2, 48) << "houses played";
    }
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


TEST(SavedGame, OnlyARecordThatCanBeContinuedIsOfferedTheOthersAreCleared)
{
    GameSession session(GameHarness::get());
    const struct {
        const char* why;
        SavedGame record; // houses played, neighbourhood, house, score, coins, lives, used slots
        const char* offer;
    } rows[] = {
        {"third neighbourhood, fourth house", {11, 2, 3, 42000, 35, 1, 4}, "your journey at house 3-4?"},
        {"history of another house", {12, 2, 3, 42000, 35, 1, 4}, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.why);
        session.record(MODE_QUEST) = row.record;
        GameController* quest = session.start<GameControllerAdventure>();
        // The frame after the prompt would have come.
        session.game.stepUntil([&] { return quest->state == GameController::STATE_SAVED_GAME; });
        session.game.step();
        ContextDialogQX* prompt = session.dialog();
        ASSERT_EQ(prompt != nullptr, row.offer != nullptr);
        if (prompt) {
            EXPECT_EQ(prompt->title, "saved game");
            EXPECT_FALSE(prompt->closeButton) << "answered with its own buttons only";
            const std::vector<RenderableText*> lines = childrenOf<RenderableText>(prompt);
            EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [&](auto* line) { return line->text == row.offer; }));
            pressKey(KEY_ESCAPE);
            session.game.step(2);
            EXPECT_EQ(session.dialog(), prompt) << "Escape does not close the prompt";
        }
        SavedGame expected = row.record;
        expected.housesPlayed = row.offer ? expected.housesPlayed : 0;
        EXPECT_EQ(0, std::memcmp(&session.record(MODE_QUEST), &expected, sizeof(SavedGame)));
        session.leave();
    }
    // Started over: the first house, with nothing of the record, which is
    // then no longer offered.
    session.record(MODE_QUEST) = rows[0].record;
    GameController* fresh = session.start<GameControllerAdventure>();
    ASSERT_TRUE(session.game.stepUntil([&] { return session.dialog() != nullptr; }, 100));
    clickOn(childrenOf<MenuButtonQuit>(session.dialog()).front());
    ASSERT_TRUE(session.waitForPlay());
    EXPECT_EQ(std::make_tuple(fresh->housesPlayed, fresh->neighbourhood, fresh->houseIndex, fresh->playerData->score,
                              fresh->playerData->coins, fresh->playerData->usedSlots),
              std::make_tuple(0, 0, 0, 0, 0, 0));
    EXPECT_EQ(session.record(MODE_QUEST).housesPlayed, 0) << "the progress left is lost";
    session.leave();
    // Continued: each field lands where it belongs, unchanged (the score
    // not multiplied), and the house saves it back as it was.
    const SavedGame set = rows[0].record;
    GameController* quest = session.continueFrom<GameControllerAdventure>(set);
    ASSERT_TRUE(quest && session.waitForPlay());
    const PlayerData* player = quest->playerData;
    EXPECT_EQ(std::make_tuple(quest->housesPlayed, quest->neighbourhood, quest->houseIndex, player->score,
                              player->coins, player->lives, player->usedSlots),
              std::make_tuple(11, 2, 3, 42000, 35, 1, 4));
    EXPECT_EQ(0, std::memcmp(&session.record(MODE_QUEST), &set, sizeof(SavedGame)));
    session.leave();
}

}
