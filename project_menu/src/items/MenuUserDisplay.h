#pragma once
// MenuUserDisplay: the main menu's greeting of the current player. It shows
// "Hello, <name>!" near the top of the view with the line "Click here to
// change players." below it, lights the greeting while the mouse is over
// either line, opens the player list when either is clicked, and opens the
// new-player screen whenever the roster's current slot is empty. A child of
// the main menu, which owns it; its two lines are its children. The screens
// it opens delete themselves when they finish. Main thread only.
#include "KivBase.h"

class RenderableText;

class MenuUserDisplay : public KivBase {
public:
    // The greeting's distance below the view's top edge, and the hover box
    // under it, view units. The box reaches down over the hint line too (and
    // sideways over it where the hint is wider): the hint says "click here".
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

private:
    // Whether the screen's mouse lies over the greeting or the hint line.
    bool isHovered() const;
    // The second child.
    RenderableText* hintLine;
};
