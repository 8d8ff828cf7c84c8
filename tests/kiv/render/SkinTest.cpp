#include "Quad.h"
#include "QuadMosaic.h"
#include "Skin.h"
#include "Texture.h"

#include <gtest/gtest.h>

namespace {

// Keypad codes place the anchor on a 100 x 50 skin; other codes keep it.
TEST(SkinShape, KeypadCodesPlaceTheAnchor)
{
    struct Case { int code; V3 origin; };
    const Case cases[] = {{7, V3(-50, 25, 0)}, {8, V3(0, 25, 0)},   {9, V3(50, 25, 0)},  {4, V3(-50, 0, 0)},
                          {6, V3(50, 0, 0)},   {1, V3(-50, -25, 0)}, {3, V3(50, -25, 0)}, {0, V3(0, 0, 0)},
                          {10, V3(1, 2, 3)}};
    for (const Case& c : cases) {
        Skin skin;
        skin.width = 100;
        skin.height = 50;
        skin.origin = V3(1, 2, 3);
        skin.setOriginLocation(c.code);
        EXPECT_TRUE(skin.origin == c.origin) << "code " << c.code;
    }
}

// A skin holds its left and bottom edges, not its right and top ones: two
// skins side by side never both take a point.
TEST(SkinShape, PointTestIsClosedLeftAndBottom)
{
    struct Case { float x, y; bool bInside; };
    const Case cases[] = {{-5, -5, true}, {4.9f, 4.9f, true}, {5, 0, false}, {0, 5, false}};
    Skin skin;
    skin.width = 10;
    skin.height = 10;
    for (const Case& c : cases)
        EXPECT_EQ(c.bInside, skin.isPointInside(c.x, c.y)) << c.x << ", " << c.y;
}

// Columns of different widths and rows of one height lie edge to edge,
// the whole centred: the corners of every cell, four vertices a cell in
// the order a triangle strip takes them (top left, top right, bottom left,
// bottom right).
TEST(SkinShape, MosaicLaysCellsEdgeToEdge)
{
    Texture texture(256, 256, 0);
    Quad cells[4];
    QuadMosaic mosaic;
    mosaic.setGridSize(2, 2);
    for (int i = 0; i < 4; ++i) {
        cells[i].pTexture = &texture;
        cells[i].setSize(i % 2 ? 50.0f : 100.0f, 100.0f);
        mosaic.quads[static_cast<size_t>(i)] = &cells[i];
    }
    mosaic.updateLayout();
    EXPECT_FLOAT_EQ(150.0f, mosaic.width);
    EXPECT_FLOAT_EQ(200.0f, mosaic.height);
    // Each cell's left, right, top and bottom edge, row by row.
    const float edges[4][4] = {{-75, 25, 100, 0}, {25, 75, 100, 0}, {-75, 25, 0, -100}, {25, 75, 0, -100}};
    ASSERT_EQ(16, mosaic.vertexBuffer.vertexCount);
    for (int vertex = 0; vertex < 16; ++vertex) {
        const float* cell = edges[vertex / 4];
        const VertexBuffer::Vertex& v = mosaic.vertexBuffer.vertices[vertex];
        EXPECT_FLOAT_EQ(cell[vertex % 2], v.x) << "vertex " << vertex;
        EXPECT_FLOAT_EQ(cell[2 + vertex % 4 / 2], v.y) << "vertex " << vertex;
    }
}

} // namespace
