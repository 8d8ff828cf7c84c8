#pragma once
// ContextScroller: a screen of centred text lines that rise from below the
// view's bottom edge to beyond its top at a steady speed, fading in and out
// near both edges; it finishes once the last line has left the view, or at
// once on Escape, a click or a Fire key. Screens derive from it and add their
// lines in their constructor. It deletes itself when the stack pops it.
// Main thread only.
#include "ContextMenu.h"
#include "UColor.h"

#include <string>
#include <vector>

class FontQuad;
class RenderableText;

class ContextScroller : public ContextMenu {
public:
    // View units per second.
    static constexpr float DEFAULT_SPEED = 40.0f;
    // Lines fade over this distance from the top and bottom edges.
    static constexpr float FADE_BAND = 40.0f;

    ContextScroller();

    // A line whose top lies gap units below the bottom of the previous line
    // (of the bottom edge of the view for the first one); the screen owns it.
    RenderableText* addLine(const std::string& text, FontQuad* font, UColor color, float gap);

    // Moves the lines up by speed x dt, fades them, and finishes the screen
    // when the last line is out of sight.
    void tickContents(double t, double dt) override;

    float speed = DEFAULT_SPEED;
    // How far the lines have risen so far, view units.
    float scrolled = 0.0f;

private:
    struct Line {
        RenderableText* pText;
        // The line's top before any scrolling, and its height.
        float top;
        float height;
        uint8_t alpha;
    };
    void placeLines();

    std::vector<Line> lines;
    // Where the next line's top goes before gap.
    float nextTop;
};
