#include "MenuItem.h"

MenuItem::MenuItem(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint)
    : caption(itemCaption), hint(itemHint)
{
    position = V3(x, y, z);
    updateVisuals();
}

void MenuItem::setWidth(int width)
{
    frameWidth = width;
}

bool MenuItem::wasClicked()
{
    const bool was = clicked;
    clicked = false;
    return was;
}

void MenuItem::click()
{
    clicked = true;
}
