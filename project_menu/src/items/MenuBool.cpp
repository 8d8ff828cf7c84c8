#include "MenuBool.h"

#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"

namespace {
// The font's symbol for a switch that is on.
const std::string MARK(1, '\x01');
} // namespace

MenuBool::MenuBool(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, bool* value)
    : MenuItem(x, y, z, itemCaption, itemHint), pValue(value)
{
    setWidth(SWITCH_WIDTH);
}

void MenuBool::tick(double t, double dt)
{
    MenuItem::tick(t, dt);
    if (highlighted && !disabled && pKiv->pInput->isMouseButtonPressed()) {
        *pValue = !*pValue;
        click();
    }
}

void MenuBool::render()
{
    MenuItem::render();
    if (bHidden || !*pValue)
        return;
    Renderable at;
    placeText(at, local2world(V3()), textColor);
    pGlobal->pFontMedium->print(&at, FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y, MARK);
}
