#pragma once
// MyContextMain: the game's main menu: the framework's main menu with its
// start button leading to the game-mode selection screen. Pushed once by
// MyGlobal::initGame; deletes itself when the stack pops it. Main thread only.
#include "ContextMain.h"

class MyContextMain : public ContextMain {
public:
    MyContextMain();

    // Pushes a new game-mode selection screen.
    void onButtonStart() override;
};
