#pragma once
// ContextOptionsControls: the first player's controls: one key field for
// each game action (up, down, left, right, fire, missile), the in-game menu
// key shown but fixed (Escape), and the mouse sensitivity. Pushed by the
// options screen. Main thread only.
#include "ContextOptionsPage.h"

class MenuEnum;
class MenuItem;

class ContextOptionsControls : public ContextOptionsPage {
public:
    ContextOptionsControls();

    // Disabled: the in-game menu is always on Escape.
    MenuItem* pMenuKeyRow;
    MenuEnum* pSensitivityChooser;
};
