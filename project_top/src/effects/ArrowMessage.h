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
#include "effects/ViewBox.h"

#include <functional>
#include <string>
#include <vector>

class Camera;
class FontQuad;

class ArrowMessage : public Renderable {
public:
    // Position (x, y, z), colour of arrow and caption, rotation about z in
    // radians, caption (may be empty). Makes the arrow child.
    ArrowMessage(float x, float y, float z, UColor colour, float angle, const std::string& text);

    // Swings the arrow (t: absolute time in seconds) and counts the lifetime
    // down; no state machine, no update of the children.
    void tick(double t, double dt) override;
    // The arrow, then the caption (not rotated) with a shadow, judged in
    // the view of the screen being drawn: moved by as little as brings it
    // wholly inside the view, clear of the keep-out boxes and of its own
    // arrow's reach unless the arrow is hidden (where the arrow swings, and
    // on in the way it points: a caption never stands between its arrow
    // and what that points at).
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
    // What the caption must leave uncovered, in view units, asked afresh
    // each time the caption is judged, so that it dodges what shows in that
    // frame and nothing that has gone: the panels and the big caption the
    // game draws over the layer that holds the message, the pictures a
    // screen draws after it. None when empty. What it calls must outlive
    // the message: the game or screen whose tree holds it.
    std::function<std::vector<ViewBox>()> keepOut;

private:
    // How far the caption printed centred at the message's position in font
    // must move (units of the message's space) to be seen whole in the view
    // of the screen being drawn; zero when it is.
    V3 captionShift(const FontQuad& font) const;
    // Where the arrow is drawn over its whole swing, stretched on to the
    // view's edge in the way it points, in view units of camera.
    ViewBox arrowReach(const Camera& camera, const ViewBox& view) const;
};
