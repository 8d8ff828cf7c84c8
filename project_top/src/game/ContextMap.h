#pragma once
// ContextMap: the journey map shown when a neighbourhood begins: an
// in-game dialog with the map picture, a marker on every neighbourhood
// reached so far, a red arrow that glides from the previous neighbourhood to
// the current one and says "you are here!" (kept clear of the heading, the
// logo and the name), and the name of the neighbourhood under the mouse
// pointer. The game controller creates and pushes it; the stack deletes it
// when it closes. Main thread only; needs the loaded fonts, skins and sounds.
#include "V3.h"
#include "effects/ViewBox.h"
#include "game/ContextDialogQX.h"

#include <vector>

class ArrowMessage;
class RenderableText;

class ContextMap : public ContextDialogQX {
public:
    // Where each neighbourhood 0..7 lies on the map, view units.
    static const V3 mapPositions[8];

    // previous: -1..7 (-1: none reached before); current: 0..7. Builds the
    // whole screen.
    ContextMap(int previous, int current);

    // The dialog's update, then the arrow's glide and caption and the name
    // under the pointer. t: the screen's own clock, seconds.
    void tickContents(double t, double dt) override;

    V3 fromPos;
    V3 toPos;
    // Children, owned through the object tree.
    ArrowMessage* arrow = nullptr;
    RenderableText* nameLabel = nullptr;

private:
    // What the arrow's caption must not cover or be covered by as the map
    // stands now, in view units: every text that shows (the heading, the
    // name under the pointer) and the pictures drawn after the arrow (the
    // logo). The map and its markers lie under the caption and are not
    // kept clear of: the caption is read on them.
    std::vector<ViewBox> keepOutBoxes() const;
};
