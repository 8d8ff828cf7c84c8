#pragma once
// MenuButton: a push button of the menu screens and dialogs.
// (Minimal until the menu items land.)
#include "MenuItem.h"

class MenuButton : public MenuItem {
public:
    MenuButton(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint);
};
