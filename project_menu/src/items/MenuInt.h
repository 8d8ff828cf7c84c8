#pragma once
// MenuInt: a number chooser with a left and a right arrow at the ends of its
// frame. A press on an arrow steps the value it edits (usually a setting of
// the persistent block) and keeps it within minValue..maxValue; any press
// over the item clicks it. The creator keeps the value alive as long as the
// item. Base of the list, country and volume choosers, which only show the
// value differently. Main thread only.
#include "MenuItem.h"

class MenuInt : public MenuItem {
public:
    // Radius of an arrow's hot spot and its centre's distance from the
    // frame's end, view units.
    static constexpr float ARROW_RADIUS = 26.0f;
    static constexpr float ARROW_INSET = 24.0f;
    // Distance of an arrow glyph's outer edge from the frame's end.
    static constexpr float ARROW_GLYPH_INSET = 15.0f;

    // An edit-box frame 256 wide, caption left of it. The value is not
    // clamped here: it is shown as it is until the first press.
    MenuInt(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, int* value,
            int min, int max, int valueStep);

    // Arrows, clamp and click on a press over the enabled item.
    void tick(double t, double dt) override;
    // The item, then the arrows that lead somewhere, fading with the highlight.
    void render() override;
    // The value in decimal.
    void drawValue(float x, float y, float z) override;

    // The value brought into minValue..maxValue, without storing it.
    int clampedValue() const;

    int* pValue;
    int minValue;
    int maxValue;
    int step;
};
