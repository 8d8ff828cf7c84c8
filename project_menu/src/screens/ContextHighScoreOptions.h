#pragma once
// ContextHighScoreOptions: the options of the high-score tables, opened from
// the high-score screen: reset all three tables (after a Yes to "Are you
// sure?"), upload the scores to the maker's server, and view the world-wide
// tables on the maker's website, which ends the program to open the page.
// It deletes itself when the stack pops it. Main thread only; it needs the
// loaded fonts and GUI textures.
#include "ContextMenu.h"

class MenuButton;
class MenuButtonQuit;
class MenuButtonURL;

class ContextHighScoreOptions : public ContextMenu {
public:
    // The page of the world-wide tables.
    static const char* const WORLDWIDE_SCORES_ADDRESS;
    // Centre of the first button, view units above the centre.
    static constexpr float FIRST_BUTTON_Y = 45.0f;

    ContextHighScoreOptions();

    // The items, then a confirmed reset clears the tables and the roster's
    // last high-score position; upload opens the score upload screen.
    void tickContents(double t, double dt) override;

    MenuButton* pResetButton;
    MenuButton* pUploadButton;
    MenuButtonURL* pWorldwideButton;
    MenuButtonQuit* pBackButton;
};
