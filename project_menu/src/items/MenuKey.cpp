#include "MenuKey.h"

#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"

MenuKey::MenuKey(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* keyCode)
    : MenuItem(x, y, z, itemCaption, itemHint), pKeyCode(keyCode)
{
}

bool MenuKey::isBindable(int code)
{
    return code > KivInput::KEY_ESCAPE && code < KivInput::MOUSE_UP;
}

void MenuKey::tick(double t, double dt)
{
    MenuItem::tick(t, dt);
    if (!highlighted)
        return;
    const int code = pKiv->pInput->getLowestWentDown();
    if (!isBindable(code))
        return;
    for (auto& control : pGlobal->hst.keys)
        for (int32_t& bound : control)
            if (bound == code)
                bound = 0;
    *pKeyCode = code;
}

void MenuKey::drawValue(float x, float y, float z)
{
    const int code = *pKeyCode;
    // A damaged setting has no name rather than someone else's memory.
    const bool named = code >= 0 && code < KivInput::KEY_COUNT;
    printValue(x, y, z, named ? pKiv->pInput->keyNames[code] : UString());
}
