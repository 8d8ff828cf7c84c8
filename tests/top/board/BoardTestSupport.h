#pragma once
// The board tests' stage: the real game (shared harness) with a controller
// of the tests' own pushed on the real screen stack and made the current
// game, so that smileys and coins reach it as they reach a running game. Its
// state machine never starts; its hooks record the smileys that report a
// click or a run-out breath; the frame the stack draws can be read back.
// Main thread only.
#include "GameHarness.h"
#include "ScreenPixels.h"

#include "board/Clown.h"
#include "board/PlayerData.h"
#include "board/SmileyGenerator.h"

namespace boardtest {

using namespace testsupport;

class RecordingGame : public GameController {
public:
    void onSmileyClicked(Smiley* smiley) override { clicked.push_back(smiley); }
    void onSmileyBreathOut(Smiley* smiley) override { breathedOut.push_back(smiley); }

    std::vector<Smiley*> clicked;
    std::vector<Smiley*> breathedOut;
};

// The frame as the stack draws it now, without stepping, cleared to black.
inline std::unique_ptr<MemoryImageFile> drawn(GameHarness& harness)
{
    pKiv->pGraphics->clear(UColor(0, 0, 0, 0));
    harness.stack()->render();
    return grab();
}

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness = &GameHarness::get();
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

    // A smiley of a house where every feature varies, standing at (0, -100)
    // in the smiley layer: hidden (state 0), or brought out of its door
    // until present (state 2).
    Smiley* placeSmiley(bool bPresent)
    {
        game->generator->configure(7);
        game->generator->setup(0.0f);
        game->generator->resetPools();
        Smiley* smiley = game->generator->createSmiley();
        smiley->position = V3(0.0f, -100.0f, 0.0f);
        smiley->updateVisuals();
        game->smileyLayer->addChildLast(smiley);
        if (bPresent) {
            smiley->setState(Smiley::STATE_APPEARING);
            harness->stepUntil([smiley] { return smiley->state == Smiley::STATE_PRESENT; }, 200);
        }
        return smiley;
    }

    GameHarness* harness = nullptr;
    RecordingGame* game = nullptr;
};

} // namespace boardtest
