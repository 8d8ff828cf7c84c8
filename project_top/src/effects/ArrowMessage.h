#pragma once
// ArrowMessage: a pointer arrow that swings sideways, with an optional
// caption, shown for a limited time and then marked dead. The game
// controller and the modes point at smileys with it, the journey map marks
// "you are here!". The creator sets the optional fields and appends it to a
// layer, which ticks, draws and deletes it. Main thread only.
#include "Renderable.h"
#include "UColor.h"
#include "UString.h"
#include "V3.h"

#include <string>

class FontQuad;

class ArrowMessage : public Renderable {
public:
    // Position (x, y, z), colour of arrow and caption, rotation about z in
    // radians, caption (may be empty). Makes the arrow child.
    ArrowMessage(float x, float y, float z, UColor colour, float angle, const std::string& text);

    // Swings the arrow (t: absolute time in seconds) and counts the lifetime
    // down; no state machine, no update of the children.
    void tick(double t, double dt) override;
    // The arrow, then the caption (not rotated) with a shadow, moved by as
    // much as it would cross the edge of the view: a caption cut off
    // misinforms.
    void render() override;

    UString caption;
    // Added to the arrow's sideways position, units.
    float swingOffset = 0.0f;
    // The arrow's place relative to the message.
    V3 arrowPosition;
    // Seconds left; the message marks itself dead at 0.
    double lifetime = 999999.0;
    // Child ("arrowPointer:0"), owned through the object tree.
    Renderable* arrow = nullptr;

private:
    // How far the caption printed centred at the message's position in font
    // must move (units of the message's space) to lie inside the view of the
    // screen being drawn; zero when it does.
    V3 captionShiftIntoView(const FontQuad& font) const;
};
