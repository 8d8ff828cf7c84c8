// Puzzle mode played through the input as a player plays it: a house
// clicked along its solution (its first step taken while smileys still
// appear), left and continued; a chain run into a dead end; the vitamins
// that point the way and the challenge round that refuses them; the same
// game again in a fresh program.
#include "FreshRuns.h"
#include "GameSession.h"

#include "Apartment.h"
#include "ArrowMessage.h"
#include "GameControllerPuzzle.h"
#include "House.h"
#include "PlayerData.h"
#include "RenderableText.h"
#include "RenderableTimed.h"
#include "ResourceManager.h"
#include "Solution.h"
#include "SolutionData.h"
#include "SolutionPath.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace testsupport;
using Controller = GameController;
using Chain = std::vector<Smiley*>;

constexpr int PUZZLE = 2;

// The game with the longest step a screen takes, so that a game is quick.
GameSession puzzleSession()
{
    GameHarness& game = GameHarness::get();
    game.driver.dt = 0.05;
    pGlobal->hst.bInGameHelp = true;
    return GameSession(game);
}

Solution* solutionOf(const GameControllerPuzzle* puzzle)
{
    return getMyGlobal()->solutions[puzzle->difficulty][puzzle->housesPlayed];
}

// The smileys of the house in the order of its solution.
Chain solutionChain(GameControllerPuzzle* puzzle)
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

// The smiley is one of the chain's first smileys.
bool among(const Chain& chain, size_t first, const Smiley* smiley)
{
    const auto end = chain.begin() + static_cast<long>(std::min(first, chain.size()));
    return std::find(chain.begin(), end, smiley) != end;
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
            if (among(chain, chain.size(), next) || !follows(chain.back(), next))
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

// Where the newest arrow points from, and where "next step" points for a
// smiley's apartment.
V3 newestArrow(const GameController* game)
{
    return childrenOf<ArrowMessage>(game->effectLayer).back()->position;
}
V3 nextStepPoint(const GameController* game, const Smiley* smiley)
{
    return smiley->apartment->position + V3(static_cast<float>(game->house->cellWidth / 2), 80.0f, 0.0f);
}

void clickAll(GameSession& session, const Chain& chain)
{
    for (const Smiley* smiley : chain)
        session.click(smiley);
}

// Clicks the house along its solution and steps until it has ended.
bool solve(GameSession& session, GameControllerPuzzle* puzzle)
{
    clickAll(session, solutionChain(puzzle));
    return session.playUntil([&] { return puzzle->state != Controller::STATE_PLAY; }) &&
           puzzle->endCaption == "puzzle complete!";
}

TEST(Puzzle, ChainAlongTheSolutionFromAQuickFirstStepCompletesThePuzzleWhichIsContinuedLater)
{
    GameSession session = puzzleSession();
    // A stored solution that does not fit the house is drawn again.
    Solution*& stored = getMyGlobal()->solutions[0][0];
    delete stored;
    stored = new Solution(pKiv->pResourceManager->findAs<SolutionData>("solution5x5"));
    GameHarness::seed(4);
    GameControllerPuzzle* puzzle = session.start<GameControllerPuzzle>();
    session.record(PUZZLE) = SavedGame{};
    ASSERT_TRUE(session.playUntil([&] { return puzzle->state == Controller::STATE_PLAY; }));
    const Chain chain = solutionChain(puzzle);
    ASSERT_EQ(chain.size(), 16u) << "the first house is 4 x 4";
    for (size_t i = 2; i < chain.size(); ++i)
        chain[i]->setState(1, 1.5, true);
    ASSERT_TRUE(session.playUntil([&] { return chain[0]->state == 2 && chain[1]->state == 2; }));

    // Before the chain starts only its first smiley can be selected.
    session.click(chain[1]);
    EXPECT_EQ(puzzle->getSelectedSmiley(), nullptr);
    EXPECT_EQ(newestArrow(puzzle).x, chain[0]->position.x) << "start here";
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

    // Left at the second house with a life lost, and continued there.
    puzzle->playerData->lives = 4;
    ASSERT_TRUE(session.waitForPlay());
    const Solution* solution = solutionOf(puzzle);
    const SavedGame left = session.record(PUZZLE);
    session.leave();
    GameControllerPuzzle* resumed = session.continueFrom<GameControllerPuzzle>(left);
    ASSERT_NE(resumed, nullptr);
    ASSERT_TRUE(session.waitForPlay());
    EXPECT_EQ(resumed->houseIndex, 1);
    EXPECT_EQ(resumed->playerData->lives, 4);
    EXPECT_EQ(resumed->playerData->score, left.score);
    EXPECT_GT(left.score, 0);
    EXPECT_EQ(solutionOf(resumed), solution) << "the same puzzle";
    EXPECT_TRUE(solve(session, resumed));
    session.leave();
}

TEST(Puzzle, DeadEndCostsALifeAndReplaysTheSamePuzzleOrEndsTheGameWithTheLastLife)
{
    for (const int lives : {2, 1}) {
        GameSession session = puzzleSession();
        GameControllerPuzzle* puzzle = session.startNew<GameControllerPuzzle>(6);
        ASSERT_NE(puzzle, nullptr);
        puzzle->playerData->lives = lives;
        puzzle->playerData->score = 50000;
        const Solution* solution = solutionOf(puzzle);
        const Chain chain = deadEnd(session.presentSmileys(), solutionChain(puzzle)[0]);
        ASSERT_FALSE(chain.empty());
        clickAll(session, chain);
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
        EXPECT_EQ(puzzle->state, Controller::STATE_HOUSE_END);
        EXPECT_EQ(puzzle->playerData->score, score - 100 * leftovers) << "each smiley left costs 100";
        ASSERT_TRUE(session.waitForPlay());
        EXPECT_EQ(puzzle->housesPlayed, 0);
        EXPECT_EQ(solutionOf(puzzle), solution) << "the same puzzle again";
        EXPECT_EQ(puzzle->solutionPath->getChildCount(), 0);
        EXPECT_TRUE(solve(session, puzzle));
        session.leave();
    }
}

TEST(Puzzle, VitaminsShowThePathPointTheNextStepUntilADetourAndRetryButNotInAChallengeRound)
{
    GameSession session = puzzleSession();
    GameHarness::seed(9);
    GameControllerPuzzle* puzzle = session.continueFrom<GameControllerPuzzle>(SavedGame{2, 0, 2, 0, 900, 5, 0});
    ASSERT_NE(puzzle, nullptr);
    ASSERT_TRUE(session.waitForPlay());
    const Chain chain = solutionChain(puzzle);

    // "show path": an arrow per step of the solution, one after another.
    ASSERT_TRUE(puzzle->useVitamin(6));
    const std::vector<RenderableTimed*> arrows = childrenOf<RenderableTimed>(puzzle->effectLayer);
    ASSERT_EQ(arrows.size(), chain.size() - 1);
    EXPECT_NEAR(arrows.back()->delay, 0.04 * static_cast<double>(chain.size() - 2), 1e-9);

    // "next step" before the chain starts points at its first smiley, then
    // at the next one of the solution; not after a detour.
    ASSERT_TRUE(puzzle->useVitamin(5));
    EXPECT_EQ(newestArrow(puzzle), nextStepPoint(puzzle, chain[0]));
    size_t step = 0;
    Smiley* detour = nullptr;
    for (; !detour && step + 1 < chain.size(); ++step)
        for (Smiley* other : session.presentSmileys())
            if (!among(chain, step + 2, other) && follows(chain[step], other) &&
                std::any_of(chain.begin() + static_cast<long>(step) + 1, chain.end(),
                            [&](Smiley* onward) { return onward != other && follows(other, onward); }))
                detour = other;
    ASSERT_NE(detour, nullptr);
    clickAll(session, Chain(chain.begin(), chain.begin() + static_cast<long>(step)));
    ASSERT_TRUE(puzzle->useVitamin(5));
    EXPECT_EQ(newestArrow(puzzle), nextStepPoint(puzzle, chain[step]));
    session.click(detour);
    ASSERT_EQ(puzzle->getSelectedSmiley(), detour);
    EXPECT_FALSE(puzzle->useVitamin(5));
    session.game.step();
    bool told = false;
    for (const RenderableText* line : childrenOf<RenderableText>(session.dialog()))
        told = told || line->text == "deviated from the";
    EXPECT_TRUE(told);

    // "try again": the same puzzle, no life lost.
    const Solution* solution = solutionOf(puzzle);
    ASSERT_TRUE(puzzle->useVitamin(7));
    ASSERT_TRUE(session.waitForPlay());
    EXPECT_EQ(puzzle->playerData->lives, 5);
    EXPECT_EQ(solutionOf(puzzle), solution);

    // The challenge round has no solution to use.
    ASSERT_TRUE(solve(session, puzzle));
    ASSERT_TRUE(session.waitForPlay());
    ASSERT_TRUE(puzzle->challengeRound);
    for (const int kind : {5, 6, 7})
        EXPECT_FALSE(puzzle->useVitamin(kind)) << kind;
    session.game.step();
    EXPECT_EQ(session.dialog(), nullptr);
    EXPECT_EQ(puzzle->state, Controller::STATE_PLAY);
    session.leave();
}

TEST(Puzzle, SameSeedPlaysTheSameGameInAFreshProgram)
{
    // The first house solved, the second run into a dead end and dealt again.
    const std::vector<std::string> runs = tracesOfFreshRuns(2, [] {
        GameSession session = puzzleSession();
        session.game.recorder.bRecording = true;
        GameControllerPuzzle* puzzle = session.startNew<GameControllerPuzzle>(17);
        solve(session, puzzle);
        session.waitForPlay();
        clickAll(session, deadEnd(session.presentSmileys(), solutionChain(puzzle)[0]));
        session.waitForPlay();
        return session.trace();
    });
    if (!runs.empty()) {
        EXPECT_EQ(runs.at(0), runs.at(1));
    }
}

}
