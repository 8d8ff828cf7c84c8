#include "MenuInt.h"

#include "Context.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Skin.h"
#include "V3.h"

#include <algorithm>

namespace {
// The font's arrow symbols.
const std::string LEFT_ARROW(1, '\x07');
const std::string RIGHT_ARROW(1, '\x08');
} // namespace

MenuInt::MenuInt(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value,
                 int min, int max, int valueStep)
    : MenuItem(x, y, z, itemCaption, itemHint), pValue(value), minValue(min), maxValue(max), step(valueStep)
{
}

int MenuInt::clampedValue() const
{
    // Not std::clamp: a range given upside down must not be undefined.
    return std::min(std::max(*pValue, minValue), maxValue);
}

void MenuInt::tick(double t, double dt)
{
    MenuItem::tick(t, dt);
    if (disabled || !highlighted || !pKiv->pInput->isMouseButtonPressed())
        return;
    const Context* screen = pKiv->pCurrentContext;
    const float halfWidth = 0.5f * pSkin->width;
    const V3 left = local2world(V3(-halfWidth + ARROW_INSET, 0.0f, 0.0f));
    if (isPointInsideSphere(left, screen->mouseX, screen->mouseY, screen->mouseZ, ARROW_RADIUS))
        *pValue -= step;
    const V3 right = local2world(V3(halfWidth - ARROW_INSET, 0.0f, 0.0f));
    if (isPointInsideSphere(right, screen->mouseX, screen->mouseY, screen->mouseZ, ARROW_RADIUS))
        *pValue += step;
    *pValue = clampedValue();
    click();
}

void MenuInt::render()
{
    MenuItem::render();
    if (bHidden || disabled || highlightFactor <= 0.0)
        return;
    UColor arrowColor = highlightColor;
    arrowColor.a = static_cast<uint8_t>(std::clamp(highlightFactor, 0.0, 1.0) * 255.0);
    const float reach = 0.5f * pSkin->width - ARROW_GLYPH_INSET;
    FontQuad* arrows = pGlobal->pFontMedium;
    if (*pValue > minValue)
        arrows->printAt(position.x - reach, position.y, position.z, arrowColor, 0x02 | FontQuad::PRINT_CENTRE_Y,
                        LEFT_ARROW);
    if (*pValue < maxValue)
        arrows->printAt(position.x + reach, position.y, position.z, arrowColor,
                        FontQuad::PRINT_RIGHT | FontQuad::PRINT_CENTRE_Y, RIGHT_ARROW);
}

void MenuInt::drawValue(float x, float y, float z)
{
    printValue(x, y, z, formatString("%d", *pValue));
}
