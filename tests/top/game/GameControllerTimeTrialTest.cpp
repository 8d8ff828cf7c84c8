// Action mode played through the input as a player plays it: the newcomers
// that replace a matched pair, whole journeys played greedily house by
// house, a thermometer left to run out until the game is over, and the
// partner hints.
#include "GameSession.h"
#include "HouseEnds.h"
#include "JourneyPlan.h"

namespace {

using namespace testsupport;
using Controller = GameController;
using Action = GameControllerTimeTrial;

// The first smiley is left with no partner but the pair matched; the
// newcomers come out within 1 to 4 s.
TEST(Action, FirstNewcomerPartnersTheLoneliestSmileyWhenItHadNone)
{
    for (const SavedGame& record : {SavedGame{18, 4, 0, 0, 0, 3, 0}, SavedGame{39, 7, 0, 0, 0, 3, 0}}) {
        GameSession session = GameSession::quick();
        GameHarness::seed(3);
        Action* action = session.continueFrom<Action>(record);
        ASSERT_TRUE(action && session.waitForPlay());
        action->clownChance = 0.0f;
        std::vector<Smiley*> present = session.presentSmileys();
        Smiley* lonely = present.front();
        present.erase(present.begin());
        const auto [a, b] = firstPair(present);
        ASSERT_NE(a, nullptr);
        for (Smiley* other : present)
            if (other != a && other != b && lonely->canMatch(other, false))
                other->leave(false);
        session.match({{a, b}});
        std::vector<Smiley*> newcomers = childrenOf<Smiley>(action->smileyLayer);
        newcomers.erase(std::remove_if(newcomers.begin(), newcomers.end(), [](Smiley* s) { return s->state != 0; }),
                        newcomers.end());
        ASSERT_EQ(newcomers.size(), 2u);
        EXPECT_EQ(newcomers[0]->apartment, a->apartment);
        EXPECT_EQ(newcomers[1]->apartment, b->apartment);
        EXPECT_TRUE(newcomers[0]->canMatch(lonely, false)) << record.neighbourhood;
        EXPECT_FALSE(newcomers[1]->canMatch(newcomers[0], false)) << "the second clashes with the first";
        for (const Smiley* newcomer : newcomers)
            EXPECT_TRUE(newcomer->stateLeft > 0.9 && newcomer->stateLeft <= 4.0);
        session.leave();
    }
}

// Every house of the journey played greedily on fixed seeds: each ordinary
// house won with a full thermometer and no mistake pays the eagle eye (never
// the clear bonus: newcomers are still in the house), each challenge round
// answered at once the match and extra bonuses, 15000 per neighbourhood
// number; each house starts with the score the player counted.
TEST(Action, GreedyPlayOnFixedSeedsWinsEachHouseOfTheJourneyAndIsPaidAsItsRowSays)
{
    for (const unsigned seed : {2u, 7u, 19u}) {
        GameSession session = GameSession::quick();
        GameController* action = session.startNew<Action>(seed);
        int32_t score = 0;
        for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
            const std::vector<HouseSize>& houses = STREET_JOURNEY[n];
            for (size_t house = 0; house < houses.size(); ++house) {
                SCOPED_TRACE(std::to_string(seed) + ": " + std::to_string(n + 1) + "-" + std::to_string(house + 1));
                ASSERT_TRUE(session.waitForPlay());
                EXPECT_EQ(action->playerData->score, score);
                expectBuiltAsPlanned(action, houses, house);
                const bool challenge = house + 1 == houses.size();
                if (!challenge) {
                    EXPECT_NEAR(action->houseHardness, 0.5 * static_cast<double>(house) / (houses.size() - 2), 1e-6);
                }
                int32_t paid = 0;
                ASSERT_TRUE(session.playGreedily(&paid));
                score += paid + (challenge ? 15000 * (n + 1) : 5000);
            }
        }
        ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; })) << seed;
        EXPECT_EQ(action->playerData->score, score) << seed;
        session.leave();
    }
}

// Half full when play began (the frame that began it drained too), empty a
// minute later. A house so lost shows no statistics and pays no bonus; the
// game's end takes the vitamin column and the game's music away.
TEST(Action, IdleThermometerRunsOutCostsALifeReplaysAtHalfAndTheThirdEndsTheGame)
{
    GameSession session = GameSession::quick();
    HouseEnds ends(session);
    Action* action = session.startNew<Action>(4);
    for (int lives = 2; lives >= 0; --lives) {
        EXPECT_NEAR(action->thermometer + (action->timeInState + session.game.stepped.dt) / 120.0, 0.5, 1e-4);
        ASSERT_TRUE(session.playUntil([&] { return action->state != Controller::STATE_PLAY; }));
        EXPECT_EQ(action->playerData->lives, lives);
        if (lives == 0)
            break;
        EXPECT_NEAR(action->houseEndTime - action->houseStartTime, 60.0, 0.1);
        EXPECT_EQ(action->endCaption, "try again!");
        ASSERT_TRUE(session.waitForPlay());
        ASSERT_EQ(ends.houses.size(), static_cast<size_t>(3 - lives));
        EXPECT_EQ(ends.houses.back().lines, std::vector<std::string>{}) << "no statistics page";
        EXPECT_EQ(ends.houses.back().bonuses, std::vector<int>{}) << "no bonus";
        EXPECT_EQ(action->housesPlayed, 0) << "the same house again";
    }
    EXPECT_EQ(action->state, Controller::STATE_GAME_OVER);
    EXPECT_FALSE(action->hud->showVitamins) << "no vitamin for a game that is over";
    EXPECT_EQ(session.game.recorder.frames.back().music, "") << "the game's music fades out";
    EXPECT_TRUE(session.closeHighScores());
    EXPECT_EQ(session.game.recorder.timesStarted("lose"), 2);
    EXPECT_EQ(session.game.recorder.timesStarted("gameover"), 1);
}

// A hint points over the first partner of the smiley clicked.
TEST(Action, AtMostThreePartnerHintsAGameAndNoneWithoutTheHelpSetting)
{
    for (const bool help : {true, false}) {
        GameSession session = GameSession::quick(help);
        Action* action = session.startNew<Action>(5);
        int hints = 0;
        const std::vector<Smiley*> present = session.presentSmileys();
        for (Smiley* smiley : present) {
            const BasicLink* before = action->effectLayer->pLastChild;
            session.click(smiley);
            const auto* hint = dynamic_cast<ArrowMessage*>(static_cast<KivBase*>(action->effectLayer->pLastChild));
            if (hint && hint != before && hint->caption == "matching smiley") {
                ++hints;
                const auto partner = std::find_if(present.begin(), present.end(),
                                                  [&](Smiley* other) { return smiley->canMatch(other, false); });
                EXPECT_EQ(hint->position, (*partner)->position + V3(0.0f, 100.0f, 0.0f));
            }
            session.click(smiley);
        }
        EXPECT_EQ(hints, help ? 3 : 0);
        session.leave();
    }
    pGlobal->hst.bInGameHelp = true;
}

// The controller takes its gain and drain from the rules for its own house
// and difficulty (the rules' table pins the figures; what a click in play
// gains and loses is the mode figures' test): at difficulty 2 after 30
// houses a match gains 1 / (21 + 15 x 29/59), and the drain of 1/120 a
// second holds for 60 + 15 x 30 seconds and has doubled at twice that.
TEST(Action, ThermometerGainAndDrainFollowTheHouseAndTheDifficulty)
{
    GameSession session = GameSession::quick();
    Action action;
    action.difficulty = 2;
    action.housesPlayed = 30;
    action.beginPlay();
    EXPECT_FLOAT_EQ(action.matchGain, 1.0f / (21.0f + 15.0f * 29.0f / 59.0f));
    action.state = Controller::STATE_PLAY;
    for (const double share : {0.0, 1.0, 2.0}) {
        action.timeInState = share * 510.0;
        action.updateGame(0.0, 0.0);
        EXPECT_FLOAT_EQ(action.drainSpeed, std::max(1.0f, static_cast<float>(share)) / 120.0f) << share;
    }
    session.leave();
}

}
