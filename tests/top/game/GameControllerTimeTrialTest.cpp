// Action mode played through the input as a player plays it: the newcomers
// that replace a matched pair, whole journeys played greedily (one left and
// continued on the way), a thermometer left to run out until the game is
// over, the thermometer's rates, the partner hints, and the same game (and
// a quest game) again in a fresh program.
#include "FreshRuns.h"
#include "GameSession.h"

#include "ArrowMessage.h"
#include "ContextEnding.h"
#include "GameControllerAdventure.h"
#include "GameControllerTimeTrial.h"
#include "PlayerData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace {

using namespace testsupport;
using Controller = GameController;

constexpr int ACTION = 0;
// Seconds per frame: the longest step a screen takes, so a game is quick.
constexpr double LONG_STEP = 0.05;

GameSession actionSession(bool help = true)
{
    GameHarness& game = GameHarness::get();
    game.driver.dt = LONG_STEP;
    pGlobal->hst.bInGameHelp = help;
    return GameSession(game);
}

// The first two smileys that can be matched, or nulls.
std::pair<Smiley*, Smiley*> firstPair(const std::vector<Smiley*>& smileys)
{
    for (size_t i = 0; i < smileys.size(); ++i)
        for (size_t j = i + 1; j < smileys.size(); ++j)
            if (smileys[i]->canMatch(smileys[j], false))
                return {smileys[i], smileys[j]};
    return {nullptr, nullptr};
}

// Matches the first matchable pair whenever there is one (a challenge round
// answered with its one answer) until the house has ended with a full
// thermometer or the right answer.
bool playGreedily(GameSession& session)
{
    GameController* game = session.controller;
    const bool ended = session.playUntil([&] {
        if (game->state != Controller::STATE_PLAY)
            return true;
        const std::vector<Smiley*> present = session.presentSmileys();
        if (game->challengeRound) {
            for (Smiley* smiley : present)
                if (smiley->canMatch(game->challengeSmiley, false))
                    session.click(smiley);
            return false;
        }
        if (const auto [a, b] = firstPair(present); a)
            session.match({{a, b}});
        return false;
    });
    return ended && game->endCaption == (game->challengeRound ? "well done!" : "level clear!");
}

TEST(Action, FirstNewcomerPartnersTheLoneliestSmileyWhenItHadNone)
{
    for (const SavedGame& record : {SavedGame{18, 4, 0, 0, 0, 3, 0}, SavedGame{39, 7, 0, 0, 0, 3, 0}}) {
        GameSession session = actionSession();
        GameHarness::seed(3);
        GameControllerTimeTrial* action = session.continueFrom<GameControllerTimeTrial>(record);
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(session.waitForPlay());
        action->clownChance = 0.0f;
        // The first smiley is left with no partner but the pair matched.
        std::vector<Smiley*> present = session.presentSmileys();
        Smiley* lonely = present.front();
        present.erase(present.begin());
        const auto [a, b] = firstPair(present);
        ASSERT_NE(a, nullptr);
        for (Smiley* other : present)
            if (other != a && other != b && lonely->canMatch(other, false))
                other->leave(false);
        session.match({{a, b}});

        std::vector<Smiley*> newcomers;
        for (BasicLink* link = action->smileyLayer->pFirstChild; link; link = link->pNext)
            if (Smiley* smiley = static_cast<Smiley*>(static_cast<KivBase*>(link)); smiley->state == 0)
                newcomers.push_back(smiley);
        ASSERT_EQ(newcomers.size(), 2u);
        EXPECT_EQ(newcomers[0]->apartment, a->apartment);
        EXPECT_EQ(newcomers[1]->apartment, b->apartment);
        EXPECT_TRUE(newcomers[0]->canMatch(lonely, false)) << record.neighbourhood;
        EXPECT_FALSE(newcomers[1]->canMatch(newcomers[0], false)) << "the second clashes with the first";
        for (const Smiley* newcomer : newcomers)
            EXPECT_TRUE(newcomer->stateLeft > 1.0 - 2 * LONG_STEP && newcomer->stateLeft <= 4.0);
        session.leave();
    }
}

TEST(Action, GreedyPlayOnFixedSeedsWinsEveryHouseToTheEndOfTheJourney)
{
    for (const unsigned seed : {2u, 7u, 19u}) {
        GameSession session = actionSession();
        GameHarness& game = session.game;
        GameController* action = session.startNew<GameControllerTimeTrial>(seed);
        ASSERT_NE(action, nullptr);
        action->playerData->lives = 2;
        for (int house = 0; house < 48; ++house) {
            ASSERT_TRUE(session.waitForPlay()) << seed << " house " << house;
            ASSERT_TRUE(playGreedily(session)) << seed << " house " << house;
            if (seed != 2 || house != 0)
                continue;
            // Left at the second house, and continued there.
            ASSERT_TRUE(session.waitForPlay());
            const SavedGame left = session.record(ACTION);
            session.leave();
            action = session.continueFrom<GameControllerTimeTrial>(left);
            ASSERT_NE(action, nullptr);
            EXPECT_EQ(action->playerData->lives, 2);
            EXPECT_EQ(action->playerData->score, left.score);
            EXPECT_EQ(action->playerData->coins, left.coins);
            EXPECT_GT(left.score, 0);
        }
        ASSERT_TRUE(game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; })) << seed;
        clickOn(session.shown<ContextEnding>()->okButton);
        EXPECT_TRUE(session.closeHighScores()) << seed;
        EXPECT_EQ(session.record(ACTION).housesPlayed, 0) << "a finished journey cannot be continued";
    }
}

TEST(Action, IdleThermometerRunsOutCostsALifeReplaysAtHalfAndTheThirdEndsTheGame)
{
    GameSession session = actionSession();
    GameHarness& game = session.game;
    game.recorder = FrameRecorder();
    game.recorder.bRecording = true;
    GameControllerTimeTrial* action = session.startNew<GameControllerTimeTrial>(4);
    ASSERT_NE(action, nullptr);
    for (int lives = 2; lives >= 0; --lives) {
        // Half full when play began (the frame that began it drained too).
        EXPECT_NEAR(action->thermometer + (action->timeInState + LONG_STEP) / 120.0, 0.5, 1e-4);
        ASSERT_TRUE(session.playUntil([&] { return action->state != Controller::STATE_PLAY; }));
        EXPECT_EQ(action->playerData->lives, lives);
        if (lives == 0)
            break;
        EXPECT_NEAR(action->houseEndTime - action->houseStartTime, 60.0, 2 * LONG_STEP);
        EXPECT_EQ(action->endCaption, "try again!");
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_EQ(action->housesPlayed, 0) << "the same house again";
    }
    EXPECT_EQ(action->state, Controller::STATE_GAME_OVER);
    EXPECT_TRUE(session.closeHighScores());
    EXPECT_EQ(game.recorder.timesStarted("lose"), 2);
    EXPECT_EQ(game.recorder.timesStarted("gameover"), 1);
}

TEST(Action, ThermometerGainLossAndDrainFollowTheHouseAndTheDifficulty)
{
    GameHarness::get();
    const struct {
        int difficulty;
        int housesPlayed;
        float gain;
        // The drain is 1/120 a second until then, twice that at twice then.
        double steadyFor;
    } rows[] = {
        {0, 1, 1.0f / 15.0f, 75.0},
        {0, 3, 1.0f / (15.0f + 15.0f * 2.0f / 59.0f), 105.0},
        {2, 30, 1.0f / (21.0f + 15.0f * 29.0f / 59.0f), 510.0},
        {3, 0, 1.0f / (24.0f - 15.0f / 59.0f), 60.0},
    };
    for (const auto& row : rows) {
        GameControllerTimeTrial action;
        action.difficulty = row.difficulty;
        action.housesPlayed = row.housesPlayed;
        action.beginPlay();
        EXPECT_FLOAT_EQ(action.matchGain, row.gain) << row.housesPlayed;
        EXPECT_FLOAT_EQ(action.mistakeLoss, row.gain * 0.65f) << row.housesPlayed;
        action.state = Controller::STATE_PLAY;
        for (const double share : {0.0, 1.0, 2.0}) {
            action.timeInState = share * row.steadyFor;
            action.updateGame(0.0, 0.0);
            EXPECT_FLOAT_EQ(action.drainSpeed, std::max(1.0f, static_cast<float>(share)) / 120.0f) << row.housesPlayed;
        }
    }
}

TEST(Action, AtMostThreePartnerHintsAGameAndNoneWithoutTheHelpSetting)
{
    for (const bool help : {true, false}) {
        GameSession session = actionSession(help);
        GameControllerTimeTrial* action = session.startNew<GameControllerTimeTrial>(5);
        ASSERT_NE(action, nullptr);
        int hints = 0;
        const std::vector<Smiley*> present = session.presentSmileys();
        for (Smiley* smiley : present) {
            const BasicLink* before = action->effectLayer->pLastChild;
            session.click(smiley);
            const ArrowMessage* hint =
                dynamic_cast<ArrowMessage*>(static_cast<KivBase*>(action->effectLayer->pLastChild));
            if (hint && hint != before && hint->caption == "matching smiley") {
                ++hints;
                const auto partner = std::find_if(present.begin(), present.end(),
                                                  [&](Smiley* other) { return smiley->canMatch(other, false); });
                EXPECT_EQ(hint->position, (*partner)->position + V3(0.0f, 100.0f, 0.0f)) << "over the first partner";
            }
            session.click(smiley);
        }
        EXPECT_EQ(hints, help ? 3 : 0);
        session.leave();
    }
    pGlobal->hst.bInGameHelp = true;
}

TEST(Action, SameSeedPlaysTheSameGameInAFreshProgram)
{
    // Two houses of action played greedily, then two quest houses cleared.
    const std::vector<std::string> runs = tracesOfFreshRuns(2, [] {
        GameSession session = actionSession();
        session.game.recorder.bRecording = true;
        session.startNew<GameControllerTimeTrial>(23);
        for (int house = 0; house < 2 && session.waitForPlay(); ++house)
            playGreedily(session);
        std::string trace = session.trace();
        session.leave();
        session.game.recorder.frames.clear();
        GameController* quest = session.startNew<GameControllerAdventure>(21);
        for (int house = 0; house < 2 && session.waitForPlay(); ++house) {
            session.match(perfectMatching(session.presentSmileys()));
            session.playUntil([&] { return quest->state != GameController::STATE_PLAY; });
        }
        return trace + session.trace();
    });
    if (!runs.empty()) {
        EXPECT_EQ(runs.at(0), runs.at(1));
    }
}

}
