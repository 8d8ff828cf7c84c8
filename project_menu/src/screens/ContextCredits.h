#pragma once
// ContextCredits: the scrolling credits, opened from the main menu: the
// game's title and rights notice, then who made the game and its music,
// rising over the menu scenery. A click, a Fire key or Escape ends it early.
// It deletes itself when the stack pops it. Main thread only; it needs the
// loaded fonts.
#include "ContextScroller.h"

class ContextCredits : public ContextScroller {
public:
    // Space between the groups of lines, view units.
    static constexpr float GROUP_GAP = 60.0f;
    static constexpr float LINE_GAP = 6.0f;
    static const UColor TITLE_COLOR;
    static const UColor ROLE_COLOR;
    static const UColor NAME_COLOR;

    ContextCredits();
};
