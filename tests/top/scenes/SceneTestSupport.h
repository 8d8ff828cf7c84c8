#pragma once
// The cut-scene tests' way into the game: the shared harness started so that
// the intro of the program's start plays (the start test looks at it; every
// other test first lets the menu come up by skipping it), and screens of the
// tests' own pushed over the main menu and made active. Main thread only.
#include "GameHarness.h"

#include "Context.h"
#include "ContextLogo.h"
#include "ContextManager.h"
#include "MyContextMain.h"

#include <gtest/gtest.h>

namespace scenetest {

using namespace testsupport;

// The main menu was the active screen of the last frame.
inline bool atMainMenu(const GameHarness& game)
{
    return dynamic_cast<MyContextMain*>(game.stack()->active.get()) != nullptr;
}

// The running game with its main menu active, the start's intro skipped if
// it still plays; the fixed step and the recorder back at their defaults.
inline GameHarness& gameAtMenu()
{
    GameHarness& game = GameHarness::get(true);
    game.driver.dt = FrameDriver::DEFAULT_DT;
    game.recorder = FrameRecorder();
    const bool atMenu = game.stepUntil([&game] {
        const ContextLogo* intro = game.active<ContextLogo>();
        if (intro && !intro->bFinished)
            pressKey(KEY_ESCAPE);
        return atMainMenu(game);
    });
    EXPECT_TRUE(atMenu) << "no main menu";
    return game;
}

// Pushes the screen over the menu and steps the frame that activates it;
// the screen has then been ticked once.
template <typename Screen>
Screen* show(GameHarness& game, Screen* screen)
{
    game.stack()->pushContext(screen);
    game.step();
    EXPECT_EQ(game.stack()->active.get(), screen);
    return screen;
}

} // namespace scenetest
