#pragma once
// ContextUserManager: the player list, opened from the main menu's greeting.
// It lists the roster's players (ProfileManager::getCount rows, each
// ProfileManager::getName of its slot), rows 30 units apart, the current
// player in white. A click on a row (|x| < 150 and y within its band) makes
// that player current. Add opens the new-player screen and is disabled while
// 8 or more players exist; Delete removes the current player, after a Yes to
// "Are you sure?", and is disabled while fewer than 2 exist. It deletes
// itself when the stack pops it. Main thread only; it needs the loaded fonts
// and GUI textures.
#include "ContextMenu.h"
#include "ProfileManager.h"
#include "UColor.h"

class MenuButton;
class MenuButtonQuit;
class MenuGroup;
class RenderableText;

class ContextUserManager : public ContextMenu {
public:
    static constexpr int ROW_COUNT = ProfileManager::PROFILE_COUNT;
    static constexpr int MAX_PLAYERS_TO_ADD = 8;
    static constexpr int MIN_PLAYERS_TO_DELETE = 2;
    // Centre of the first row below the view's top edge, distance between
    // rows, and half the width of a row's hit box, view units.
    static constexpr float FIRST_ROW_DROP = 110.0f;
    static constexpr float ROW_STEP = 30.0f;
    static constexpr float ROW_HALF_WIDTH = 150.0f;
    static constexpr int BUTTON_WIDTH = 150;
    static const UColor ROW_COLOR;
    static const UColor CURRENT_COLOR;
    static const UColor HOVER_COLOR;

    ContextUserManager();

    // The items; then a press on a row selects its player, Add and Delete
    // act, and the rows and buttons follow the roster.
    void tickContents(double t, double dt) override;

    // The centre of a row, view units.
    static float rowY(int row);
    // The listed row (0..count-1) at the world point, or -1.
    static int rowAt(float x, float y);

    MenuGroup* pPanel;
    // Children of the screen, one per slot; rows past the count are empty.
    RenderableText* rowTexts[ROW_COUNT];
    MenuButton* pAddButton;
    MenuButton* pDeleteButton;
    MenuButtonQuit* pBackButton;

private:
    void showRows();
};
