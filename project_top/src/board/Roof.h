#pragma once
// Roof: the gabled roof of a House: a tiled triangle (its own RoofSkin,
// kept as pSkin with bOwnsSkin set) with ridge pieces as children. The house
// owns, ticks and draws it. Main thread only.
#include "Renderable.h"

class Roof : public Renderable {
public:
    // Creates its RoofSkin. Needs the loaded textures.
    Roof();

    // Its own skin, then the children.
    void render() override;
    // Lays the roof out centred at x with its base at height y, over columns
    // cells of cellSize units.
    virtual void build(float x, float y, float z, int columns, int cellSize);
};
