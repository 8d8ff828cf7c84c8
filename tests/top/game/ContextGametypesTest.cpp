// The game-mode selection screen, opened and used through the player's
// input: each mode button starts one game of its mode over the main menu;
// Back and Escape return to the menu without a game.
#include "GameSession.h"

#include "MenuLayout.h"
#include "scenes/ContextGametypes.h"

namespace {

using namespace testsupport;

TEST(ContextGametypes, EachModeButtonStartsOneGameOfItsModeBackOrEscapeNone)
{
    GameHarness& game = GameHarness::get();
    MyContextMain* menu = game.mainMenu();
    ASSERT_NE(menu, nullptr);
    const int screens = game.stack()->getChildCount();
    enum Way { BUTTON, BACK, ESCAPE };
    const struct {
        Way way;
        MenuButton* ContextGametypes::*button;
        const std::type_info* mode;
    } rows[] = {
        {BUTTON, &ContextGametypes::actionButton, &typeid(GameControllerTimeTrial)},
        {BUTTON, &ContextGametypes::questButton, &typeid(GameControllerAdventure)},
        {BUTTON, &ContextGametypes::puzzleButton, &typeid(GameControllerPuzzle)},
        {BACK, nullptr, nullptr},
        {ESCAPE, nullptr, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.mode ? row.mode->name() : row.way == BACK ? "Back" : "Escape");
        game.recordAfresh();
        clickOn(menu->pStartButton);
        ASSERT_TRUE(game.stepUntil([&] { return game.active<ContextGametypes>() != nullptr; }, 100));
        game.step(3);
        ContextGametypes* modes = game.active<ContextGametypes>();
        EXPECT_EQ(game.stack()->getChildCount(), screens + 1);
        if (row.way == BUTTON)
            clickOn(modes->*row.button);
        else if (row.way == BACK)
            clickAt(MenuLayout::CORNER_INSET_X - MenuLayout::right(), MenuLayout::CORNER_INSET_Y - MenuLayout::top(),
                    modes);
        else
            pressKey(KEY_ESCAPE);
        game.step(2);
        GameController* started = game.currentGame();
        EXPECT_EQ(started != nullptr, row.mode != nullptr);
        if (started) {
            EXPECT_EQ(game.activeScreen(), started);
            EXPECT_EQ(typeid(*started), *row.mode);
            EXPECT_NE(started->state, 0);
            started->bFinished = true;
        }
        ASSERT_TRUE(game.stepUntil([&] { return game.activeScreen() == menu; }, 100));
        EXPECT_EQ(game.stack()->getChildCount(), screens);
        EXPECT_EQ(game.currentGame(), nullptr);
        EXPECT_EQ(game.recorder.timesStarted("mouseClick"), row.way == ESCAPE ? 1 : 2);
    }
}

}
