#pragma once
// ContextHighScores: the high-score table of one game mode, highlighting the
// current player's newest entry; the game pushes it after a game.
// (Minimal until the menu screens land: it finishes as soon as it is first
// ticked.) Deletes itself when the stack pops it. Main thread only.
#include "ContextMenu.h"

class ContextHighScores : public ContextMenu {
public:
    // table: the game mode, action 0, quest 1, puzzle 2.
    explicit ContextHighScores(int table);
    void tickContents(double t, double dt) override;

    int table;
};
