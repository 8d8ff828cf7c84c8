#include "QuadMosaic.h"

#include "Quad.h"
#include "Renderable.h"

QuadMosaic::QuadMosaic() = default;

QuadMosaic::~QuadMosaic() = default;

void QuadMosaic::setGridSize(int gridColumns, int gridRows)
{
    columns = gridColumns;
    rows = gridRows;
    quadCount = columns * rows;
    quads.resize(quadCount > 0 ? quadCount : 0, nullptr);
    vertexBuffer.resize(4 * quadCount);
}

void QuadMosaic::updateLayout()
{
    width = 0.0f;
    for (int column = 0; column < columns; ++column)
        width += quads[column]->width;
    height = 0.0f;
    for (int row = 0; row < rows; ++row)
        height += quads[row * columns]->height;
    const UColor white(255, 255, 255, 255);
    float y = height / 2;
    for (int row = 0; row < rows; ++row) {
        float x = -width / 2;
        const Quad* q = nullptr;
        for (int column = 0; column < columns; ++column) {
            q = quads[row * columns + column];
            VertexBuffer::Vertex* v = vertexBuffer.vertices + 4 * (row * columns + column);
            const UVRect& uv = q->uvRect;
            v[0] = {uv.left, uv.top, white, x, y, 0.0f};
            v[1] = {uv.right, uv.top, white, x + q->width, y, 0.0f};
            v[2] = {uv.left, uv.bottom, white, x, y - q->height, 0.0f};
            v[3] = {uv.right, uv.bottom, white, x + q->width, y - q->height, 0.0f};
            x += q->width;
        }
        y -= q->height;
    }
    vertexBuffer.markWritten();
}

void QuadMosaic::draw(Renderable* r)
{
    vertexBuffer.setColor(r->color, false);
    for (int i = 0; i < quadCount; ++i)
        vertexBuffer.draw(quads[i]->pTexture, VertexBuffer::TRIANGLE_STRIP, 4 * i, 4);
}
