#pragma once
// MenuBool: the on/off switch of the option screens. Each mouse press over
// it inverts the bool it edits (usually a setting of the persistent block);
// the creator keeps the bool alive as long as the item. Main thread only.
#include "MenuItem.h"

class MenuBool : public MenuItem {
public:
    static constexpr int SWITCH_WIDTH = 50;

    // An edit-box frame 50 wide, caption left of it; value not owned.
    MenuBool(float x, float y, float z, const std::string& itemCaption, const std::string& itemHint, bool* value);

    // A press over the enabled switch inverts the value, then clicks.
    void tick(double t, double dt) override;
    // The frame and caption, then the mark (font symbol 1) while on.
    void render() override;

    bool* pValue;
};
