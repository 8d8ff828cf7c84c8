#pragma once
// Apartment: one cell of a House: a back wall, a door that swings open and
// shut with sounds as its doorTarget changes, a front piece (seen while the
// door is open) drawn in a layer of the caller's, and an away note on the
// door once its resident has left. Its position is the cell's lower-left
// corner; it has no skin of its own. The house's apartments container owns,
// ticks and draws it; the front piece belongs to the front layer, which may
// delete it while the apartment lives on (an old house still on screen): the
// apartment holds it by a Reference and never deletes it. Main thread only.
#include "Reference.h"
#include "Renderable.h"

#include <cstdint>

class Apartment : public Renderable {
public:
    // Cell corner (x, y, z), grid column and floor; the front piece is
    // appended (hidden) to frontLayer, which is not owned. Needs the loaded
    // skins.
    Apartment(float x, float y, float z, int column, int floor, KivBase* frontLayer);

    // Shows the door with ("apartment:3") or without ("apartment:2") the note.
    void setAwayNote(bool note);
    // One cell away in a row or a column: the puzzle chain's step. False for
    // a null apartment.
    bool adjoins(const Apartment* other) const;

    // The object-tree update, then the door moves toward doorTarget (0.5 s
    // for a full swing).
    void tick(double t, double dt) override;
    // The children only.
    void render() override;

    // Child, owned through the object tree.
    Renderable* door = nullptr;
    // A Renderable, child of the front layer (not of the apartment); null
    // once the layer has deleted it.
    Reference frontPiece;
    // 0 shut .. 1 fully open.
    float doorOpening = 0.0f;
    // Written by the resident: 1 opens the door, 0 shuts it.
    float doorTarget = 0.0f;
    bool awayNote = false;
    // Of the skin "apartment:0", whole units.
    int32_t width = 0;
    int32_t height = 0;
    // Column from the left, floor from the bottom.
    int32_t gridX = 0;
    int32_t gridY = 0;
};
