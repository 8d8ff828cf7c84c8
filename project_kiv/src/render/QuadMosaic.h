#pragma once
// QuadMosaic: a skin made of a grid of quads that together show one image too
// large for a single texture, laid edge to edge from the top-left corner and
// centred like a single quad. The texture loader builds it over the cells of
// a split texture. It does not own its quads (their sub-textures do). It
// draws every cell from its one vertex buffer, one draw per cell.
// Main thread only.
#include "Skin.h"

#include <vector>

class Quad;

class QuadMosaic : public Skin {
public:
    QuadMosaic();
    ~QuadMosaic() override;

    // Stores the grid; the quad list gets columns x rows entries (new ones
    // null) and the vertex buffer 4 vertices per cell (contents not kept).
    void setGridSize(int gridColumns, int gridRows);
    // The size from the first row's widths and the first column's heights,
    // then 4 vertices per cell. Every list entry must hold a quad.
    void updateLayout();
    void draw(Renderable* r) override;

    int columns = 0;
    int rows = 0;
    int quadCount = 0;
    // Row by row from the top-left cell; not owned.
    std::vector<Quad*> quads;
};
