#pragma once
// ContextHighScores: the high-score table of one game mode (action 0, quest
// 1, puzzle 2), ten rows of rank, name and score, with a chooser that
// switches between the three tables and a button to the high-score options.
// The row that the roster remembers as the current player's newest entry is
// drawn highlighted in the table that holds it. The game pushes it after a
// game, the main menu from its high-score button. The rows are read from the
// persistent block every frame, so a reset on the options screen shows at
// once. It deletes itself when the stack pops it. Main thread only; it needs
// the loaded fonts and GUI textures.
#include "ContextMenu.h"
#include "HSTdata.h"
#include "UColor.h"

class MenuButton;
class MenuButtonQuit;
class MenuEnum;
class RenderableText;

class ContextHighScores : public ContextMenu {
public:
    static constexpr int ROW_COUNT = HSTdata::ENTRY_COUNT;
    // Centre of the chooser and of the first row below the view's top edge,
    // and the distance between rows, view units.
    static constexpr float CHOOSER_DROP = 95.0f;
    static constexpr float FIRST_ROW_DROP = 140.0f;
    static constexpr float ROW_STEP = 24.0f;
    // Right edge of the rank, left edge of the name, right edge of the score.
    static constexpr float RANK_X = -170.0f;
    static constexpr float NAME_X = -150.0f;
    static constexpr float SCORE_X = 190.0f;
    static const UColor ROW_COLOR;
    static const UColor HIGHLIGHT_COLOR;

    // shownTable: the game mode whose table is shown first; outside 0..2 it
    // shows table 0.
    explicit ContextHighScores(int shownTable);

    // The items, then the rows of the chosen table and the options button.
    void tickContents(double t, double dt) override;

    // The table whose row at the roster's last high-score position holds the
    // current player's name, the newest such entry when several do; -1 when
    // there is no position or no table holds the player there.
    static int findNewestEntryTable();

    // The game mode of the table shown; written by the chooser.
    int table;
    MenuEnum* pTableChooser;
    MenuButton* pOptionsButton;
    MenuButtonQuit* pBackButton;
    // Children of the screen, one per row and column.
    RenderableText* rankTexts[ROW_COUNT];
    RenderableText* nameTexts[ROW_COUNT];
    RenderableText* scoreTexts[ROW_COUNT];

private:
    void showRows();
};
