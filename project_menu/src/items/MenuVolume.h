#pragma once
// MenuVolume: a volume chooser: a MenuInt stepping by one, shown as a row of
// bars, whose click applies the settings at once so that the change is
// heard. The value read from its setting is brought into range at
// construction. Main thread only.
#include "MenuInt.h"

class MenuVolume : public MenuInt {
public:
    // Where the first bar sits and how far apart the bars are, view units.
    static constexpr float FIRST_BAR = -84.0f;
    static constexpr float BAR_STEP = 7.0f;

    MenuVolume(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value,
               int min, int max);

    // One "|" per unit of the value.
    void drawValue(float x, float y, float z) override;
    // The click, then Global::applySettings.
    void click() override;
};
