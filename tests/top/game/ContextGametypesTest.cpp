// The game-mode selection screen, opened and used through the player's
// input: each mode button starts one game of its mode over the main menu;
// Back and Escape return to the menu without a game.
#include "GameHarness.h"

#include "ContextGametypes.h"
#include "GameControllerAdventure.h"
#include "GameControllerPuzzle.h"
#include "GameControllerTimeTrial.h"
#include "MenuButton.h"
#include "MenuLayout.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace testsupport;

TEST(ContextGametypes, EachModeButtonStartsOneGameOfItsModeBackOrEscapeNone)
{
    GameHarness& game = GameHarness::get();
    MyContextMain* menu = game.mainMenu();
    ASSERT_NE(menu, nullptr);
    const int screens = game.stack()->getChildCount();
    const struct {
        const char* what;
        std::function<void(ContextGametypes*)> act;
        bool (*isOfTheMode)(const Context*);
        int clickSounds;
    } rows[] = {
        {"action", [](ContextGametypes* modes) { clickOn(modes->actionButton); },
         [](const Context* c) { return dynamic_cast<const GameControllerTimeTrial*>(c) != nullptr; }, 2},
        {"quest", [](ContextGametypes* modes) { clickOn(modes->questButton); },
         [](const Context* c) { return dynamic_cast<const GameControllerAdventure*>(c) != nullptr; }, 2},
        {"puzzle", [](ContextGametypes* modes) { clickOn(modes->puzzleButton); },
         [](const Context* c) { return dynamic_cast<const GameControllerPuzzle*>(c) != nullptr; }, 2},
        {"Back",
         [](ContextGametypes* modes) {
             clickAt(MenuLayout::CORNER_INSET_X - MenuLayout::right(), MenuLayout::CORNER_INSET_Y - MenuLayout::top(),
                     modes);
         },
         nullptr, 2},
        {"Escape", [](ContextGametypes*) { pressKey(KEY_ESCAPE); }, nullptr, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        game.recorder = FrameRecorder();
        game.recorder.bRecording = true;
        clickOn(menu->pStartButton);
        ASSERT_TRUE(game.stepUntil([&] { return game.active<ContextGametypes>() != nullptr; }, 100));
        game.step(3);
        ContextGametypes* modes = game.active<ContextGametypes>();
        EXPECT_EQ(game.stack()->getChildCount(), screens + 1);
        row.act(modes);
        game.step(2);
        GameController* started = game.currentGame();
        if (row.isOfTheMode) {
            ASSERT_NE(started, nullptr);
            EXPECT_EQ(game.activeScreen(), started);
            EXPECT_TRUE(row.isOfTheMode(started));
            EXPECT_NE(started->state, 0);
            // The closed selection screen waits under the game until the
            // stack pops it with the game.
            EXPECT_EQ(static_cast<KivBase*>(started->pPrev), modes);
            EXPECT_EQ(static_cast<KivBase*>(modes->pPrev), menu);
            started->bFinished = true;
        }
        ASSERT_TRUE(game.stepUntil([&] { return game.activeScreen() == menu; }, 100));
        EXPECT_EQ(game.stack()->getChildCount(), screens);
        EXPECT_EQ(game.currentGame(), nullptr);
        EXPECT_EQ(game.recorder.timesStarted("mouseClick"), row.clickSounds);
    }
}

}
