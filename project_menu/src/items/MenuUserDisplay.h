#pragma once
// MenuUserDisplay: the main menu's greeting of the current player. It shows
// "Hello, <name>!" near the top of the view with a line below it, lights the
// greeting under the mouse, opens the player list when the greeting is
// clicked, and opens the new-player screen whenever the roster's current
// slot is empty. A child of the main menu, which owns it; its two lines are
// its children. The screens it opens delete themselves when they finish.
// Main thread only.
#include "KivBase.h"

class RenderableText;

class MenuUserDisplay : public KivBase {
public:
    // The greeting's distance below the view's top edge, and the hover box
    // under it, view units.
    static constexpr int NAME_DROP = 140;
    static constexpr int HINT_DROP = 170;
    static constexpr float HOVER_HALF_WIDTH = 100.0f;
    static constexpr float HOVER_HEIGHT = 36.0f;

    MenuUserDisplay();
    MenuUserDisplay(const MenuUserDisplay&) = delete;
    MenuUserDisplay& operator=(const MenuUserDisplay&) = delete;

    // Greeting text, lines, hover colour, click, new-player prompt.
    void tick(double t, double dt) override;

    // The first child.
    RenderableText* nameLine;
};
