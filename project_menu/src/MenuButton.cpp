#include "MenuButton.h"

MenuButton::MenuButton(float x, float y, float z, const std::string& buttonCaption, const std::string& buttonHint)
    : MenuItem(x, y, z, buttonCaption, buttonHint)
{
    setWidth(256);
}
