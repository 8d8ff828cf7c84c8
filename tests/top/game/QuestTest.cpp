// Quest mode played through the input as a player plays it: a whole game to
// the end of the journey, a game lost when the slots fill, the challenge
// round, the score multiplier, leaving and continuing a game, and the same
// game again from the same seed.
#include "GameSession.h"

#include "CircleScore.h"
#include "Clown.h"
#include "ContextDialog.h"
#include "ContextEnding.h"
#include "ContextHighScores.h"
#include "FeatureBody.h"
#include "GameControllerAdventure.h"
#include "MenuButtonLoadGame.h"
#include "PlayerData.h"
#include "PlayerHUD.h"
#include "RadialFader.h"
#include "Reference.h"
#include "RenderableText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using namespace testsupport;
using Controller = GameController;

constexpr int QUEST = 1;
// Seconds per frame: the longest step a screen takes, so a whole game is quick.
constexpr double LONG_STEP = 0.05;

SavedGame& questRecord()
{
    ProfileManager& roster = pGlobal->profileManager;
    return roster.profiles[roster.current].savedGames[QUEST];
}

GameHarness& questHarness()
{
    GameHarness& game = GameHarness::get();
    game.driver.dt = LONG_STEP;
    pGlobal->hst.bInGameHelp = true;
    return game;
}

// A quest game from the record, continued through its prompt (while the
// prompt covers it, the game stays the current one, which the prompt's
// button needs); false when the prompt did not come or did not load it.
bool continueFrom(GameSession& session, const SavedGame& record)
{
    questRecord() = record;
    GameController* quest = session.start<GameControllerAdventure>();
    if (!session.game.stepUntil([&] { return session.dialog() != nullptr; }, 100))
        return false;
    EXPECT_EQ(getMyGlobal()->pCurrentGame, quest);
    for (BasicLink* link = session.dialog()->pFirstChild; link; link = link->pNext)
        if (MenuButtonLoadGame* resume = dynamic_cast<MenuButtonLoadGame*>(static_cast<KivBase*>(link)))
            clickOn(resume);
    session.game.step(2);
    const RenderableText* caption = dynamic_cast<RenderableText*>(static_cast<KivBase*>(quest->bonusLayer->pLastChild));
    return session.game.activeScreen() == quest && quest->housesPlayed == record.housesPlayed && caption &&
           caption->text == "Game loaded!";
}

// The challenge round's answer, right or wrong, or null when there is none.
Smiley* answer(GameSession& session, bool right)
{
    for (Smiley* smiley : session.presentSmileys())
        if (smiley->canMatch(session.controller->challengeSmiley, false) == right)
            return smiley;
    return nullptr;
}

// Points of the bonus popups that the end of a house has just put up.
std::vector<int> newBonuses(const GameController* game)
{
    std::vector<int> points;
    for (BasicLink* link = game->bonusLayer->pFirstChild; link; link = link->pNext)
        if (const CircleScore* popup = dynamic_cast<CircleScore*>(static_cast<KivBase*>(link));
            popup && popup->state == 0)
            points.push_back(popup->points);
    std::sort(points.begin(), points.end());
    return points;
}

// The states of a journey through every house, cleared without leaving a
// smiley, from the title to the closing of the game.
std::vector<int> journeyStates()
{
    std::vector<int> states = {Controller::STATE_TITLE, Controller::STATE_SAVED_GAME};
    for (const int houses : GameController::neighbourhoodHouses) {
        states.push_back(Controller::STATE_STREET);
        for (int house = 0; house < houses; ++house)
            states.insert(states.end(),
                          {Controller::STATE_HOUSE, Controller::STATE_CAPTION, Controller::STATE_PLAY,
                           Controller::STATE_HOUSE_END, Controller::STATE_STATISTICS, Controller::STATE_NEXT_HOUSE});
    }
    states.insert(states.end(), {Controller::STATE_HIGH_SCORES, Controller::STATE_CLOSING, Controller::STATE_FINISHED});
    return states;
}

// Steps until the high-score table is on top, closes it as a player, and
// steps while the game closes its iris until it has left the stack.
void closeThroughTheHighScores(GameSession& session, const Reference& game)
{
    GameHarness& harness = session.game;
    ASSERT_TRUE(harness.stepUntil([&] { return session.shown<ContextHighScores>() != nullptr; }));
    pressKey(KEY_ESCAPE);
    ASSERT_TRUE(harness.stepUntil([&] { return session.controller->state == Controller::STATE_CLOSING; }));
    harness.step();
    EXPECT_EQ(harness.stack()->pFader->targetCoverage, 1.0f);
    ASSERT_TRUE(harness.stepUntil([&] { return game.get() == nullptr; }));
    EXPECT_GT(harness.stack()->pFader->coverage, 0.9f) << "closed when the game left, opening for the menu";
    EXPECT_EQ(getMyGlobal()->pCurrentGame, nullptr);
    EXPECT_NE(harness.mainMenu(), nullptr);
    EXPECT_EQ(harness.recorder.frames.back().music, "musicMenu");
}

TEST(Quest, WholeJourneyClearedHouseByHouseEndsWithTheHighScoreAndNoSavedGame)
{
    GameHarness& game = questHarness();
    GameSession session(game);
    questRecord() = SavedGame{};
    GameHarness::seed(11);
    game.recorder = FrameRecorder();
    game.recorder.bRecording = true;
    GameController* quest = session.start<GameControllerAdventure>();
    const Reference alive(quest);

    // Bonus points put up at the end of each house, in house order, and the
    // high-score row the game leaves for the table.
    std::vector<std::vector<int>> bonuses;
    int row = -1;
    int score = 0;
    game.recorder.observer = [&](FrameRecord&) {
        if (alive.get() && quest->state == Controller::STATE_STATISTICS && quest->timeInState == 0.0)
            bonuses.push_back(newBonuses(quest));
        if (alive.get() && quest->state == Controller::STATE_HIGH_SCORES) {
            row = pGlobal->profileManager.lastHighScorePosition;
            score = quest->playerData->score;
        }
    };
    int houses = 0;
    while (houses < 48) {
        ASSERT_TRUE(session.waitForPlay()) << "house " << houses;
        if (quest->challengeRound) {
            Smiley* right = answer(session, true);
            ASSERT_NE(right, nullptr);
            session.click(right);
        } else {
            const auto pairs = perfectMatching(session.presentSmileys());
            ASSERT_FALSE(pairs.empty()) << "house " << houses;
            session.match(pairs);
        }
        ASSERT_TRUE(session.playUntil([&] { return quest->state != Controller::STATE_PLAY; })) << "house " << houses;
        ++houses;
        if (houses == 47) {
            EXPECT_TRUE(pGlobal->profileManager.profiles[0].hasSavedGame(QUEST)) << "saved at the start of each house";
        }
    }
    // The ending plays before the high-score table; its OK button leads there.
    ASSERT_TRUE(game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; }));
    EXPECT_EQ(quest->state, Controller::STATE_HIGH_SCORES);
    ContextEnding* ending = session.shown<ContextEnding>();
    game.stepSeconds(8.0);
    EXPECT_EQ(game.recorder.frames.back().music, "musicMenu");
    clickOn(ending->okButton);
    closeThroughTheHighScores(session, alive);

    EXPECT_EQ(session.states, journeyStates());
    ASSERT_EQ(bonuses.size(), 48u);
    int house = 0;
    for (int n = 0; n < GameController::NEIGHBOURHOOD_COUNT; ++n)
        for (int i = 0; i < GameController::neighbourhoodHouses[n]; ++i, ++house) {
            const bool challenge = i == GameController::neighbourhoodHouses[n] - 1;
            const std::vector<int> expected =
                challenge ? std::vector<int>{5000 * (n + 1), 10000 * (n + 1)} : std::vector<int>{3000, 5000};
            EXPECT_EQ(bonuses[house], expected) << "neighbourhood " << n << " house " << i;
        }
    EXPECT_FALSE(questRecord().housesPlayed > 0) << "a finished journey cannot be continued";
    ASSERT_GE(row, 0);
    const HighScoreEntry& entry = pGlobal->hst.highScores[QUEST][row];
    EXPECT_STREQ(entry.name, "Tester");
    EXPECT_EQ(entry.score, score);
    EXPECT_EQ(entry.value2, 48) << "houses played";
    EXPECT_GT(score, 48 * 8000);
}

TEST(Quest, SmileysLeftOverFillTheLastSlotAndTheGameIsOver)
{
    GameHarness& game = questHarness();
    GameSession session(game);
    GameHarness::seed(5);
    game.recorder = FrameRecorder();
    game.recorder.bRecording = true;
    ASSERT_TRUE(continueFrom(session, SavedGame{1, 0, 1, 20000, 10, 1, 9}));
    GameControllerAdventure* quest = static_cast<GameControllerAdventure*>(session.controller);
    const Reference alive(quest);
    ASSERT_TRUE(session.waitForPlay());
    const auto pairs = strandingMatching(session.presentSmileys());
    const int leftOver = static_cast<int>(session.presentSmileys().size() - 2 * pairs.size());
    ASSERT_GT(leftOver, 0);
    session.match(pairs);

    ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_MODE_END; }));
    EXPECT_EQ(quest->endCaption, "no more matches!");
    EXPECT_FALSE(quest->hud->showVitamins);
    // A clown among the leftovers has no body to turn white; it goes with them.
    Smiley* clown = new Clown();
    clown->setState(2);
    quest->smileyLayer->addChildLast(clown);
    std::vector<FeatureBody*> bodies;
    for (Smiley* smiley : session.presentSmileys())
        if (FeatureBody* body = dynamic_cast<FeatureBody*>(smiley->features[0]))
            bodies.push_back(body);
    ASSERT_TRUE(session.playUntil([&] { return quest->timeInState >= 2.9; }));
    for (const FeatureBody* body : bodies)
        EXPECT_GT(body->breathTint, 0.9f) << "the leftovers turn white as they wait";

    ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_GAME_OVER; }));
    EXPECT_EQ(quest->playerData->usedSlots, 9 + leftOver + 1);
    EXPECT_EQ(quest->mistakes, leftOver + 1);
    EXPECT_FLOAT_EQ(quest->thermometer, 1.0f) << "the blobs have filled the thermometer";
    EXPECT_FALSE(questRecord().housesPlayed > 0) << "a lost game is not offered again";
    closeThroughTheHighScores(session, alive);

    const std::vector<int> ending = {Controller::STATE_PLAY,      Controller::STATE_MODE_END,
                                     Controller::STATE_GAME_OVER, Controller::STATE_HIGH_SCORES,
                                     Controller::STATE_CLOSING,   Controller::STATE_FINISHED};
    ASSERT_GE(session.states.size(), ending.size());
    EXPECT_TRUE(std::equal(ending.begin(), ending.end(), session.states.end() - static_cast<long>(ending.size())));
    for (const char* sound : {"honk", "voice11", "liquify", "gameover"})
        EXPECT_EQ(game.recorder.timesStarted(sound), 1) << sound;
}

TEST(Quest, ChallengeRoundPaysARightAnswerAndNothingForAWrongOrLateOne)
{
    GameHarness& game = questHarness();
    enum Answer { RIGHT, WRONG, NONE };
    const struct {
        Answer answer;
        const char* caption;
        const char* endSound;
        std::vector<int> bonuses;
    } rows[] = {
        {RIGHT, "well done!", "jingle04", {5000, 10000}},
        {WRONG, "no bonus!", "lose", {}},
        {NONE, "too slow!", "lose", {}},
    };
    for (const auto& row : rows) {
        GameSession session(game);
        game.recorder = FrameRecorder();
        game.recorder.bRecording = true;
        ASSERT_TRUE(continueFrom(session, SavedGame{3, 0, 3, 20000, 10, 1, 0}));
        GameController* quest = session.controller;
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_TRUE(quest->challengeRound);
        EXPECT_EQ(session.presentSmileys().size(), 16u) << "a 4 x 4 house, the size of the one before";
        pressKey(KEY_ESCAPE);
        game.step(2);
        EXPECT_EQ(game.activeScreen(), quest) << "Escape does nothing in a challenge round";

        if (row.answer != NONE)
            session.click(answer(session, row.answer == RIGHT));
        ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_STATISTICS; }));
        if (row.answer == NONE) {
            EXPECT_NEAR(quest->houseEndTime - quest->houseStartTime, 16.0, 0.06) << "the thermometer empties in 16 s";
        }
        EXPECT_EQ(quest->endCaption, row.caption);
        EXPECT_EQ(game.recorder.frames.back().sounds, std::vector<std::string>{row.endSound});
        EXPECT_EQ(game.recorder.timesStarted("jingle06"), row.answer == WRONG ? 1 : 0);
        EXPECT_EQ(newBonuses(quest), row.bonuses);

        quest->bFinished = true;
        game.step(2);
    }
}

TEST(Quest, DoubleScoreLastsItsThirtySecondsOfPlayNotWhileADialogIsOpen)
{
    GameHarness& game = questHarness();
    GameSession session(game);
    ASSERT_TRUE(continueFrom(session, SavedGame{1, 0, 1, 20000, 500, 1, 0}));
    GameController* quest = session.controller;
    ASSERT_TRUE(session.waitForPlay());
    PlayerData* player = quest->playerData;
    EXPECT_EQ(player->multiplier, 1);
    // What the "double score" vitamin asks of the game.
    ASSERT_TRUE(quest->useVitamin(3));
    EXPECT_EQ(player->multiplier, 2);

    game.stepSeconds(10.0);
    quest->showDialog("a message", "", nullptr);
    game.stepSeconds(60.0);
    EXPECT_EQ(player->multiplier, 2) << "the game and its multiplier wait under the dialog";
    ASSERT_TRUE(session.closeDialog());
    game.stepSeconds(19.0);
    EXPECT_EQ(player->multiplier, 2);
    game.stepSeconds(1.5);
    EXPECT_EQ(player->multiplier, 1);

    quest->bFinished = true;
    game.step(2);
}

TEST(Quest, LeftGameIsContinuedAtItsHouseWithItsScoreAndSlotsAlsoFromTheRosterFile)
{
    GameHarness& game = questHarness();
    GameSession session(game);
    questRecord() = SavedGame{};
    GameHarness::seed(3);
    GameController* first = session.start<GameControllerAdventure>();
    ASSERT_TRUE(session.waitForPlay());
    session.match(strandingMatching(session.presentSmileys()));
    ASSERT_TRUE(session.playUntil([&] { return first->state != Controller::STATE_PLAY; }));
    ASSERT_TRUE(session.waitForPlay());
    EXPECT_EQ(first->houseIndex, 1);
    const int score = first->playerData->score;
    const int slots = first->playerData->usedSlots;
    EXPECT_GT(slots, 0);

    // Exit, and Yes to "Are you sure?".
    MenuButtonQuit* exit = nullptr;
    for (BasicLink* link = first->sceneryLayer->pFirstChild; link; link = link->pNext)
        if (MenuButtonQuit* button = dynamic_cast<MenuButtonQuit*>(static_cast<KivBase*>(link)); button && !link->bDead)
            exit = button;
    ASSERT_NE(exit, nullptr);
    const Reference alive(first);
    clickOn(exit);
    ASSERT_TRUE(game.stepUntil([&] { return session.shown<ContextDialog>() != nullptr; }, 10));
    clickOn(session.shown<ContextDialog>()->pFirstButton);
    ASSERT_TRUE(game.stepUntil([&] { return alive.get() == nullptr; }, 10));
    const SavedGame left = questRecord();
    EXPECT_EQ(left.housesPlayed, 1);
    EXPECT_EQ(left.neighbourhood, 0);
    EXPECT_EQ(left.houseIndex, 1);
    EXPECT_EQ(left.score, score);
    EXPECT_EQ(left.usedSlots, slots);

    for (const bool fromFile : {false, true}) {
        if (fromFile) {
            ProfileManager& roster = pGlobal->profileManager;
            roster.save(*pKiv->pFileManager);
            questRecord() = SavedGame{};
            ASSERT_TRUE(roster.load(*pKiv->pFileManager));
        }
        GameSession again(game);
        ASSERT_TRUE(continueFrom(again, questRecord())) << "from file " << fromFile;
        ASSERT_TRUE(again.waitForPlay());
        GameController* resumed = again.controller;
        EXPECT_EQ(resumed->neighbourhood, 0);
        EXPECT_EQ(resumed->houseIndex, 1);
        EXPECT_EQ(resumed->housesPlayed, 1);
        EXPECT_EQ(resumed->playerData->score, score);
        EXPECT_EQ(resumed->playerData->usedSlots, slots);
        EXPECT_FLOAT_EQ(resumed->thermometer, static_cast<float>(slots) / 10.0f);
        resumed->bFinished = true;
        game.step(2);
    }
}

// What a run leaves to be compared: every state, sound and track by frame,
// and the final counts.
std::vector<std::string> traceOfTwoHouses(unsigned seed)
{
    GameHarness& game = questHarness();
    game.step(100);
    questRecord() = SavedGame{};
    GameSession session(game);
    game.recorder = FrameRecorder();
    game.recorder.bRecording = true;
    GameHarness::seed(seed);
    GameController* quest = session.start<GameControllerAdventure>();
    for (int house = 0; house < 2; ++house) {
        if (!session.waitForPlay())
            return {};
        session.match(perfectMatching(session.presentSmileys()));
        session.playUntil([&] { return quest->state != Controller::STATE_PLAY; });
    }
    session.waitForPlay();
    std::vector<std::string> trace;
    for (const FrameRecord& frame : game.recorder.frames) {
        std::string line = std::to_string(frame.frame - game.recorder.frames.front().frame) + " " + frame.music;
        for (const std::string& sound : frame.sounds)
            line += " " + sound;
        trace.push_back(line);
    }
    for (const int state : session.states)
        trace.push_back("state " + std::to_string(state));
    trace.push_back("score " + std::to_string(quest->playerData->score) + " coins " +
                    std::to_string(quest->playerData->coins));
    quest->bFinished = true;
    game.step(2);
    return trace;
}

TEST(Quest, SameSeedPlaysTheSameGame)
{
    const std::vector<std::string> first = traceOfTwoHouses(21);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(traceOfTwoHouses(21), first);
}

}
