#include "VStretchSkin.h"

#include "Quad.h"
#include "Renderable.h"
#include "Texture.h"

VStretchSkin::VStretchSkin()
{
    vertexBuffer.resize(8);
}

VStretchSkin::~VStretchSkin() = default;

void VStretchSkin::setSource(Skin* sourceSkin, int top, int bottom)
{
    source = sourceSkin;
    topBorder = top;
    bottomBorder = bottom;
    const Quad* q = static_cast<const Quad*>(source);
    const Rect& p = q->pixelRect;
    const UVRect topCap = q->pTexture->pixelToUV(Rect(p.left, p.top, p.right, p.top + top));
    const UVRect bottomCap = q->pTexture->pixelToUV(Rect(p.left, p.bottom - bottom, p.right, p.bottom));
    width = static_cast<float>(p.right - p.left);
    const float vs[4] = {topCap.top, topCap.bottom, bottomCap.top, bottomCap.bottom};
    const UColor white(0xffffffffu);
    for (int row = 0; row < 4; ++row) {
        vertexBuffer.vertices[2 * row] = {topCap.left, vs[row], white, -width / 2, 0.0f, 0.0f};
        vertexBuffer.vertices[2 * row + 1] = {topCap.right, vs[row], white, width / 2, 0.0f, 0.0f};
    }
}

void VStretchSkin::setHeight(float h)
{
    if (h == height)
        return;
    height = h;
    const float ys[4] = {h / 2, h / 2 - topBorder, -h / 2 + bottomBorder, -h / 2};
    for (int row = 0; row < 4; ++row) {
        vertexBuffer.vertices[2 * row].y = ys[row];
        vertexBuffer.vertices[2 * row + 1].y = ys[row];
    }
    vertexBuffer.markWritten();
}

void VStretchSkin::draw(Renderable* r)
{
    vertexBuffer.setColor(r->color, false);
    vertexBuffer.draw(static_cast<const Quad*>(source)->pTexture, VertexBuffer::TRIANGLE_STRIP, 0, -1);
}
