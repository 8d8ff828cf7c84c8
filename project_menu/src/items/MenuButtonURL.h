#pragma once
// MenuButtonURL: a push button that ends the program so that a web page can
// be opened once it has stopped. The screen sets url after construction.
// Main thread only.
#include "MenuButton.h"

class MenuButtonURL : public MenuButton {
public:
    MenuButtonURL(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint);

    // The click, then Global's address to open := url and the screen stack
    // quits, which ends the main loop. An empty url opens nothing.
    void click() override;

    UString url;
};
