#pragma once
// MenuItem: base class of the interactive elements of the menu screens. A
// child of its screen, which polls wasClicked in its contents update.
// (Minimal until the menu items land: caption, hint and the click flag.)
#include "Renderable.h"
#include "UString.h"

#include <string>

class MenuItem : public Renderable {
public:
    MenuItem(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint);

    // Width of the item's frame, view units.
    void setWidth(int width);
    // The click flag, cleared by reading it.
    bool wasClicked();
    virtual void click();

    UString caption;
    bool clicked = false;
    UString hint;
    int frameWidth = 256;
};
