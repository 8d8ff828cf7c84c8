#pragma once
// The board tests' stage: the real game (shared harness) with a controller
// of the tests' own pushed on the real screen stack and made the current
// game, so that smileys and coins reach it as they reach a running game. Its
// state machine never starts; its hooks record the smileys that report a
// click or a run-out breath. Main thread only.
#include "GameHarness.h"

#include "ContextManager.h"
#include "GameController.h"
#include "MyGlobal.h"
#include "Smiley.h"
#include "SmileyGenerator.h"

#include <gtest/gtest.h>

#include <vector>

namespace boardtest {

class RecordingGame : public GameController {
public:
    void onSmileyClicked(Smiley* smiley) override { clicked.push_back(smiley); }
    void onSmileyBreathOut(Smiley* smiley) override { breathedOut.push_back(smiley); }

    std::vector<Smiley*> clicked;
    std::vector<Smiley*> breathedOut;
};

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = &testsupport::GameHarness::get();
        game = new RecordingGame();
        harness->stack()->pushContext(game);
        getMyGlobal()->pCurrentGame = game;
        harness->step();
        ASSERT_EQ(harness->activeScreen(), game);
    }

    // The stack deletes the finished game.
    void TearDown() override
    {
        getMyGlobal()->pCurrentGame = nullptr;
        game->bFinished = true;
        harness->step();
    }

    // A hidden (state 0) smiley of a house where every feature varies,
    // standing at (x, y) in the smiley layer.
    Smiley* placeSmiley(float x, float y)
    {
        game->generator->configure(7);
        game->generator->setup(0.0f);
        game->generator->resetPools();
        Smiley* smiley = game->generator->createSmiley();
        smiley->position = V3(x, y, 0.0f);
        smiley->updateVisuals();
        game->smileyLayer->addChildLast(smiley);
        return smiley;
    }

    // placeSmiley, brought out of its door until present (state 2).
    Smiley* presentSmiley(float x, float y)
    {
        Smiley* smiley = placeSmiley(x, y);
        smiley->setState(1);
        harness->stepUntil([smiley] { return smiley->state == 2; }, 200);
        return smiley;
    }

    testsupport::GameHarness* harness = nullptr;
    RecordingGame* game = nullptr;
};

} // namespace boardtest
