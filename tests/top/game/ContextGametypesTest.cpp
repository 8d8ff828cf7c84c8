// The game-mode selection screen, opened and used through the player's
// input: each mode button starts one game of its mode over the main menu;
// Back and Escape return to the menu without a game.
#include "GameHarness.h"

#include "ContextGametypes.h"
#include "ContextManager.h"
#include "GameControllerAdventure.h"
#include "GameControllerPuzzle.h"
#include "GameControllerTimeTrial.h"
#include "MenuButton.h"
#include "MenuLayout.h"
#include "MyContextMain.h"

#include <gtest/gtest.h>

namespace gametest {
namespace {

using namespace testsupport;

// The main menu's start button, clicked; the mode screen it opens.
ContextGametypes* openModeScreen(GameHarness& game)
{
    clickOn(game.mainMenu()->pStartButton);
    if (!game.stepUntil([&] { return game.active<ContextGametypes>() != nullptr; }, 100))
        return nullptr;
    game.step(3);
    return game.active<ContextGametypes>();
}

int gamesOnTheStack(const GameHarness& game)
{
    int count = 0;
    for (const BasicLink* link = game.stack()->pFirstChild; link; link = link->pNext)
        count += dynamic_cast<const GameController*>(static_cast<const KivBase*>(link)) != nullptr;
    return count;
}

TEST(ContextGametypes, BackOrEscapeReturnsToTheMenuWithoutAGame)
{
    GameHarness& game = GameHarness::get();
    MyContextMain* menu = game.mainMenu();
    ASSERT_NE(menu, nullptr);
    const int screens = game.stack()->getChildCount();
    struct Way {
        bool bBackButton;
        int clickSounds;
    };
    for (const Way way : {Way{true, 2}, Way{false, 1}}) {
        SCOPED_TRACE(way.bBackButton ? "Back" : "Escape");
        game.recorder = FrameRecorder();
        game.recorder.bRecording = true;
        const ContextGametypes* modes = openModeScreen(game);
        ASSERT_NE(modes, nullptr);
        EXPECT_EQ(game.stack()->getChildCount(), screens + 1);
        if (way.bBackButton)
            clickAt(MenuLayout::CORNER_INSET_X - MenuLayout::right(), MenuLayout::CORNER_INSET_Y - MenuLayout::top(),
                    modes);
        else
            pressKey(KEY_ESCAPE);
        ASSERT_TRUE(game.stepUntil([&] { return game.activeScreen() == menu; }, 100));
        game.step(3);
        EXPECT_EQ(game.activeScreen(), menu);
        EXPECT_EQ(game.stack()->getChildCount(), screens);
        EXPECT_EQ(gamesOnTheStack(game), 0);
        EXPECT_EQ(game.currentGame(), nullptr);
        EXPECT_EQ(game.recorder.timesStarted("mouseClick"), way.clickSounds);
        EXPECT_EQ(game.recorder.frames.back().music, "musicMenu");
    }
}

// The closed selection screen waits under the game until the stack pops it
// with the game.
TEST(ContextGametypes, EachModeButtonStartsOneGameOfItsModeOverTheMainMenu)
{
    GameHarness& game = GameHarness::get();
    MyContextMain* menu = game.mainMenu();
    ASSERT_NE(menu, nullptr);
    const int screens = game.stack()->getChildCount();
    const struct {
        MenuButton* ContextGametypes::*button;
        bool (*isOfTheMode)(const GameController*);
    } rows[] = {
        {&ContextGametypes::actionButton,
         [](const GameController* g) { return dynamic_cast<const GameControllerTimeTrial*>(g) != nullptr; }},
        {&ContextGametypes::questButton,
         [](const GameController* g) { return dynamic_cast<const GameControllerAdventure*>(g) != nullptr; }},
        {&ContextGametypes::puzzleButton,
         [](const GameController* g) { return dynamic_cast<const GameControllerPuzzle*>(g) != nullptr; }},
    };
    for (const auto& row : rows) {
        ContextGametypes* modes = openModeScreen(game);
        ASSERT_NE(modes, nullptr);
        clickOn(modes->*row.button);
        game.step(2);
        GameController* started = game.active<GameController>();
        ASSERT_NE(started, nullptr);
        EXPECT_TRUE(row.isOfTheMode(started));
        EXPECT_EQ(game.currentGame(), started);
        EXPECT_NE(started->state, 0);
        EXPECT_EQ(gamesOnTheStack(game), 1);
        EXPECT_EQ(static_cast<KivBase*>(started->pPrev), modes);
        EXPECT_TRUE(modes->bFinished);
        EXPECT_EQ(static_cast<KivBase*>(modes->pPrev), menu);

        started->bFinished = true;
        ASSERT_TRUE(game.stepUntil([&] { return game.activeScreen() == menu; }, 100));
        EXPECT_EQ(game.stack()->getChildCount(), screens);
        EXPECT_EQ(game.currentGame(), nullptr);
    }
}
}
}
