#pragma once
// MenuButtonQuit: a push button whose click closes the active screen, that
// is the screen that holds it. Main thread only.
#include "MenuButton.h"

class MenuButtonQuit : public MenuButton {
public:
    MenuButtonQuit(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint);

    // The click, then the screen stack's active screen is marked finished.
    void click() override;
};
