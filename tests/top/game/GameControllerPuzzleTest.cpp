// Puzzle mode played through the input as a player plays it: a house
// clicked along its solution (its first step taken while smileys still
// appear), a game left and continued, the vitamins that point the way and
// the challenge round that refuses them, the whole journey house by house, a
// chain run into a dead end, and the same games of every mode again in a
// fresh program.
#include "EveryIndex.h"
#include "GameSession.h"
#include "HouseEnds.h"
#include "JourneyPlan.h"

#include "RenderableTimed.h"
#include "board/Apartment.h"
#include "board/House.h"
#include "board/Solution.h"
#include "board/SolutionData.h"
#include "board/SolutionPath.h"

namespace {

using namespace testsupport;
using Controller = GameController;
using Chain = std::vector<Smiley*>;
using Puzzle = GameControllerPuzzle;

Solution* solutionOf(const Puzzle* puzzle)
{
    return getMyGlobal()->solutions[puzzle->difficulty][puzzle->housesPlayed];
}

// The smileys of the house in the order of its solution.
Chain solutionChain(Puzzle* puzzle)
{
    Chain chain;
    for (int step = 0; step < solutionOf(puzzle)->cellCount; ++step) {
        int x, y;
        solutionOf(puzzle)->getCell(step, &x, &y);
        chain.push_back(puzzle->getSmileyInApartment(puzzle->house->getApartmentByXY(x, y)));
    }
    return chain;
}

// Columns and rows between two smileys' apartments, as 10 |dx| + |dy|.
int apart(const Smiley* a, const Smiley* b)
{
    return 10 * std::abs(a->apartment->gridX - b->apartment->gridX) + std::abs(a->apartment->gridY - b->apartment->gridY);
}

// b may follow a in a chain.
bool follows(Smiley* a, Smiley* b)
{
    return (apart(a, b) == 1 || apart(a, b) == 10) && a->canMatch(b, false);
}

// A chain from the first smiley whose head is left with no smiley to
// follow it before every smiley is in it; empty when none turns up.
Chain deadEnd(const Chain& smileys, Smiley* first)
{
    Chain chain{first};
    int budget = 100000;
    std::function<bool()> extend = [&]() -> bool {
        if (--budget < 0)
            return false;
        bool stuck = true;
        for (Smiley* next : smileys) {
            if (std::find(chain.begin(), chain.end(), next) != chain.end() || !follows(chain.back(), next))
                continue;
            stuck = false;
            chain.push_back(next);
            if (extend())
                return true;
            chain.pop_back();
        }
        return stuck && chain.size() < smileys.size();
    };
    return extend() ? chain : Chain{};
}

// Across the house, where the newest arrow points.
float newestArrowX(const GameController* game)
{
    return childrenOf<ArrowMessage>(game->effectLayer).back()->position.x;
}

void clickAll(GameSession& session, const Chain& chain)
{
    for (const Smiley* smiley : chain)
        session.click(smiley);
}

// Clicks the house along its solution and steps until it has ended; paid
// (may be null) gets what the steps paid as the player counts them.
bool solve(GameSession& session, Puzzle* puzzle, int32_t* paid = nullptr)
{
    const Chain chain = solutionChain(puzzle);
    int32_t counted = 0;
    for (size_t i = 1; i < chain.size(); ++i)
        counted += session.matchCounting(chain[i - 1], chain[i]);
    if (paid)
        *paid = counted;
    return session.playUntil([&] { return puzzle->state != Controller::STATE_PLAY; }) &&
           puzzle->endCaption == "puzzle complete!";
}

TEST(Puzzle, ChainStartsAtTheFirstSmileyTakesOnlyNeighboursEvenAppearingOnesAndCompletesThePuzzle)
{
    GameSession session = GameSession::quick();
    // A stored solution that does not fit the house is drawn again.
    Solution*& stored = getMyGlobal()->solutions[0][0];
    delete stored;
    stored = new Solution(pKiv->pResourceManager->findAs<SolutionData>("solution5x5"));
    GameHarness::seed(4);
    Puzzle* puzzle = session.start<Puzzle>();
    session.record(MODE_PUZZLE) = SavedGame{};
    ASSERT_TRUE(session.playUntil([&] { return puzzle->state == Controller::STATE_PLAY; }));
    const Chain chain = solutionChain(puzzle);
    ASSERT_EQ(chain.size(), 16u) << "the first house is 4 x 4";
    for (size_t i = 2; i < chain.size(); ++i)
        chain[i]->setState(Smiley::STATE_APPEARING, 1.5, true);
    ASSERT_TRUE(session.playUntil([&] { return chain[0]->state == Smiley::STATE_PRESENT && chain[1]->state == Smiley::STATE_PRESENT; }));

    // Before the chain starts only its first smiley can be selected.
    session.click(chain[1]);
    EXPECT_EQ(puzzle->getSelectedSmiley(), nullptr);
    EXPECT_EQ(newestArrowX(puzzle), chain[0]->position.x) << "start here";
    // Judged on every smiley, also those still appearing: the chain goes on.
    clickAll(session, {chain[0], chain[1]});
    ASSERT_LT(chain[2]->state, 2);
    EXPECT_EQ(puzzle->getSelectedSmiley(), chain[1]);
    ASSERT_TRUE(session.waitForPlay());
    // A diagonal neighbour of the head is refused with a tip; the head stays.
    session.click(*std::find_if(chain.begin(), chain.end(), [&](Smiley* s) { return apart(chain[1], s) == 11; }));
    EXPECT_TRUE(puzzle->adjacencyTipShown);
    EXPECT_EQ(puzzle->getSelectedSmiley(), chain[1]);

    clickAll(session, Chain(chain.begin() + 2, chain.end()));
    ASSERT_TRUE(session.playUntil([&] { return puzzle->state != Controller::STATE_PLAY; }));
    EXPECT_EQ(puzzle->endCaption, "puzzle complete!");
    EXPECT_EQ(puzzle->solutionPath->getChildCount(), 15);
    EXPECT_EQ(puzzle->solutionPath->colour, UColor(255, 255, 0, 255));
    EXPECT_EQ(puzzle->mistakes, 0);
    session.leave();
}

// Left at the second house and continued there (the saved game's fields are
// the saved-game test's).
TEST(Puzzle, LeftGameIsContinuedWithTheSamePuzzle)
{
    GameSession session = GameSession::quick();
    Puzzle* puzzle = session.startNew<Puzzle>(4);
    ASSERT_TRUE(solve(session, puzzle) && session.waitForPlay());
    const Solution* solution = solutionOf(puzzle);
    session.leave();
    Puzzle* resumed = session.continueFrom<Puzzle>(SavedGame{1, 0, 1, 31337, 12, 4, 0});
    ASSERT_TRUE(resumed && session.waitForPlay());
    EXPECT_EQ(solutionOf(resumed), solution) << "the same puzzle";
    session.leave();
}

// "show path", an arrow per step of the solution, one after another; "next
// step" at the chain's first smiley, then at the next one of the solution;
// "try again", the same puzzle with no life lost and no bonus paid.
TEST(Puzzle, VitaminsPointAlongTheSolutionAndTryAgainKeepsTheLife)
{
    GameSession session = GameSession::quick();
    HouseEnds ends(session);
    Puzzle* resumed = session.continueFrom<Puzzle>(SavedGame{1, 0, 1, 31337, 12, 4, 0});
    ASSERT_TRUE(resumed && session.waitForPlay());
    const Solution* solution = solutionOf(resumed);
    const Chain second = solutionChain(resumed);
    ASSERT_TRUE(resumed->useVitamin(6));
    const std::vector<RenderableTimed*> arrows = childrenOf<RenderableTimed>(resumed->effectLayer);
    ASSERT_EQ(arrows.size(), second.size() - 1);
    // Step k's arrow 0.04 k s after the first, 40 units over the middle
    // between its two smileys, pointing from the first to the second.
    EXPECT_TRUE(everyIndex(arrows.size(), [&](size_t k) {
        const V3 from = second[k]->position, to = second[k + 1]->position;
        const V3 at = (from + to) * 0.5f + V3(0.0f, 40.0f, 0.0f);
        const float turn = std::atan2(to.y - from.y, to.x - from.x);
        return std::fabs(arrows[k]->delay - 0.04 * static_cast<double>(k)) < 1e-9 &&
               std::fabs(arrows[k]->position.x - at.x) < 0.01f && std::fabs(arrows[k]->position.y - at.y) < 0.01f &&
               std::fabs(arrows[k]->rotation.z - turn) < 1e-4f;
    }));
    for (const size_t step : {0, 3}) {
        clickAll(session, Chain(second.begin(), second.begin() + static_cast<long>(step)));
        ASSERT_TRUE(resumed->useVitamin(5));
        EXPECT_EQ(newestArrowX(resumed), second[step]->position.x) << step;
    }
    ASSERT_TRUE(resumed->useVitamin(7));
    ASSERT_TRUE(session.waitForPlay());
    ASSERT_EQ(ends.houses.size(), 1u);
    EXPECT_EQ(ends.houses[0].bonuses, std::vector<int>{}) << "no eagle eye for a house tried again";
    EXPECT_EQ(resumed->playerData->lives, 4);
    EXPECT_EQ(solutionOf(resumed), solution);
    session.leave();
}

// The challenge round has no solution to point along.
TEST(Puzzle, ChallengeRoundRefusesThePathVitaminsSilently)
{
    GameSession session = GameSession::quick();
    Puzzle* round = session.continueFrom<Puzzle>(SavedGame{3, 0, 3, 31337, 12, 4, 0});
    ASSERT_TRUE(round && session.waitForPlay());
    ASSERT_TRUE(round->challengeRound);
    for (const int kind : {5, 6, 7})
        EXPECT_FALSE(round->useVitamin(kind)) << kind;
    session.game.step();
    EXPECT_EQ(session.dialog(), nullptr);
    EXPECT_EQ(round->state, Controller::STATE_PLAY);
    session.leave();
}

// Every house solved along its solution, each challenge round answered at
// once: an ordinary house pays its steps (both smileys of each) and the
// clear and eagle-eye bonuses, a challenge round the match and extra
// bonuses, 15000 per neighbourhood number; each house starts with the score
// the player counted. Puzzle mode never makes its smileys harder.
TEST(Puzzle, EachHouseOfTheJourneyIsSolvedAndPaidAsItsRowSays)
{
    GameSession session = GameSession::quick();
    Puzzle* puzzle = session.startNew<Puzzle>(9);
    int32_t score = 0;
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        const std::vector<HouseSize>& houses = PUZZLE_JOURNEY[n];
        for (size_t house = 0; house < houses.size(); ++house) {
            SCOPED_TRACE(std::to_string(n + 1) + "-" + std::to_string(house + 1));
            ASSERT_TRUE(session.waitForPlay());
            EXPECT_EQ(puzzle->playerData->score, score);
            expectBuiltAsPlanned(puzzle, houses, house);
            const bool challenge = house + 1 == houses.size();
            EXPECT_EQ(puzzle->houseHardness, 0.0f);
            int32_t paid = 0;
            ASSERT_TRUE(challenge ? session.playGreedily() : solve(session, puzzle, &paid));
            score += paid + (challenge ? 15000 * (n + 1) : 3000 + 5000);
        }
    }
    ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; }));
    EXPECT_EQ(puzzle->playerData->score, score);
    session.leave();
}

// A house so lost shows no statistics and pays no bonus; its replay starts
// the chain over in green, and its sound an octave low, and once it is
// solved the journey goes on.
TEST(Puzzle, DeadEndCostsALifeAndReplaysTheSamePuzzleOrEndsTheGameWithTheLastLife)
{
    for (const int lives : {2, 1}) {
        GameSession session = GameSession::quick();
        HouseEnds ends(session);
        Puzzle* puzzle = session.startNew<Puzzle>(6);
        puzzle->playerData->lives = lives;
        puzzle->playerData->score = 50000;
        const Solution* solution = solutionOf(puzzle);
        const Chain chain = deadEnd(session.presentSmileys(), solutionChain(puzzle)[0]);
        ASSERT_FALSE(chain.empty());
        clickAll(session, Chain(chain.begin(), chain.end() - 1));
        // The step into the dead end brings two help clouds, read in the
        // order they were put up.
        clickAt(chain.back()->halo.boundsCentre.x, chain.back()->halo.boundsCentre.y, puzzle->scene);
        session.game.step(2);
        std::vector<std::vector<std::string>> read;
        for (const ContextDialogQX* dialog = session.dialog(); dialog; dialog = session.dialog()) {
            read.emplace_back();
            for (const RenderableText* line : childrenOf<RenderableText>(dialog))
                read.back().push_back(line->text);
            ASSERT_TRUE(session.closeDialog());
        }
        EXPECT_EQ(read, (std::vector<std::vector<std::string>>{
                            {"You have lost a life", "because you failed", "to complete this puzzle!",
                             "Try the same puzzle again!", "(the solution won't change)"},
                            {"You have run out", "of valid matches!", "There is always at least",
                             "one way to solve each puzzle,", "so plan ahead!"}}));
        EXPECT_EQ(puzzle->endCaption, "incomplete!");
        EXPECT_EQ(puzzle->solutionPath->colour, UColor(255, 0, 0, 255));
        EXPECT_EQ(puzzle->playerData->lives, lives - 1);
        const int leftovers = static_cast<int>(session.presentSmileys().size());
        const int score = puzzle->playerData->score;
        ASSERT_TRUE(session.playUntil([&] { return puzzle->state != Controller::STATE_MODE_END; }));
        if (lives == 1) {
            EXPECT_EQ(puzzle->state, Controller::STATE_GAME_OVER);
            EXPECT_TRUE(session.closeHighScores());
            continue;
        }
        ASSERT_EQ(puzzle->state, Controller::STATE_HOUSE_END);
        EXPECT_EQ(puzzle->playerData->score, score - 100 * leftovers) << "each smiley left costs 100";
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_EQ(puzzle->housesPlayed, 0);
        EXPECT_EQ(solutionOf(puzzle), solution) << "the same puzzle again";
        EXPECT_EQ(puzzle->solutionPath->getChildCount(), 0);
        EXPECT_EQ(puzzle->solutionPath->colour, UColor(128, 192, 0, 255)) << "drawn green again";
        ASSERT_EQ(ends.houses.size(), 1u);
        EXPECT_EQ(ends.houses[0].lines, std::vector<std::string>{}) << "no statistics page";
        EXPECT_EQ(ends.houses[0].bonuses, std::vector<int>{}) << "no bonus";
        EXPECT_FLOAT_EQ(puzzle->matchPitch, 0.5f) << "the chain's sound starts over";
        EXPECT_TRUE(solve(session, puzzle));
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_EQ(puzzle->housesPlayed, 1) << "the next house";
        session.leave();
    }
}

// A saved puzzle continued before any test seed, with the path it was
// dealt; the first puzzle house solved, the second run into a dead end and
// dealt again; then two houses of action played greedily and two quest
// houses cleared.
TEST(Puzzle, SameSeedPlaysTheSameGamesOfEveryModeInAFreshProgram)
{
    expectTheSameTraceInTwoFreshRuns([] {
        GameSession session = GameSession::quick();
        Puzzle* continued = session.continueFrom<Puzzle>(SavedGame{1, 0, 1, 31337, 12, 4, 0});
        if (!continued) {
            ADD_FAILURE() << "the saved puzzle was not continued";
            return std::string();
        }
        session.waitForPlay();
        const Solution* dealt = solutionOf(continued);
        std::string trace = "path " + std::to_string(dealt->record) + " " + std::to_string(dealt->flipX) +
                            std::to_string(dealt->flipY) + std::to_string(dealt->transpose) + "\n";
        session.leave();
        Puzzle* puzzle = session.startNew<Puzzle>(17);
        solve(session, puzzle);
        session.waitForPlay();
        clickAll(session, deadEnd(session.presentSmileys(), solutionChain(puzzle)[0]));
        session.waitForPlay();
        trace += session.trace();
        session.leave();
        session.game.recorder.frames.clear();
        session.startNew<GameControllerTimeTrial>(23);
        for (int house = 0; house < 2 && session.waitForPlay(); ++house)
            session.playGreedily();
        trace += session.trace();
        session.leave();
        session.game.recorder.frames.clear();
        GameController* quest = session.startNew<GameControllerAdventure>(21);
        for (int house = 0; house < 2 && session.waitForPlay(); ++house) {
            session.match(perfectMatching(session.presentSmileys()));
            session.playUntil([&] { return quest->state != Controller::STATE_PLAY; });
        }
        return trace + session.trace();
    });
}

}
