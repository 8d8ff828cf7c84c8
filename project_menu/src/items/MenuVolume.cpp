#include "MenuVolume.h"

#include "Global.h"

MenuVolume::MenuVolume(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint,
                       int* value, int min, int max)
    : MenuInt(x, y, z, itemCaption, itemHint, value, min, max, 1)
{
    *pValue = clampedValue();
}

void MenuVolume::drawValue(float, float, float)
{
    const int bars = clampedValue();
    for (int i = 0; i < bars; ++i) {
        const V3 bar = local2world(V3(FIRST_BAR + BAR_STEP * static_cast<float>(i), 0.0f, 0.0f));
        printValue(bar.x, bar.y, bar.z, "|");
    }
}

void MenuVolume::click()
{
    MenuInt::click();
    pGlobal->applySettings();
}
