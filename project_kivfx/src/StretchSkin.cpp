#include "StretchSkin.h"

#include "Quad.h"
#include "Renderable.h"
#include "Texture.h"

#include <cmath>

namespace {
const Quad* sourceQuad(const Skin* skin)
{
    return static_cast<const Quad*>(skin);
}
}

StretchSkin::StretchSkin(Skin* sourceSkin) : source(sourceSkin)
{
    vertexBuffer.resize(24);
}

StretchSkin::~StretchSkin() = default;

void StretchSkin::setBorders(int left, int top, int bottom, int right)
{
    borderLeft = left;
    borderTop = top;
    borderBottom = bottom;
    borderRight = right;
    const Quad* q = sourceQuad(source);
    const Rect& p = q->pixelRect;
    inner = q->pTexture->pixelToUV(Rect(p.left + left, p.top + top, p.right - right, p.bottom - bottom));
    resetSize();
}

void StretchSkin::resetSize()
{
    const Quad* q = sourceQuad(source);
    setSize((q->uvRect.right - q->uvRect.left) * static_cast<float>(q->pTexture->width),
            std::fabs(q->uvRect.top - q->uvRect.bottom) * static_cast<float>(q->pTexture->height));
}

void StretchSkin::setSize(float w, float h)
{
    if (h <= 0.0f)
        h = source->height;
    width = w;
    height = h;
    const UVRect& outer = sourceQuad(source)->uvRect;
    const float xs[4] = {-w / 2, -w / 2 + borderLeft, w / 2 - borderRight, w / 2};
    const float ys[4] = {h / 2, h / 2 - borderTop, -h / 2 + borderBottom, -h / 2};
    const float us[4] = {outer.left, inner.left, inner.right, outer.right};
    const float vs[4] = {outer.top, inner.top, inner.bottom, outer.bottom};
    const UColor white(0xffffffffu);
    VertexBuffer::Vertex* v = vertexBuffer.vertices;
    for (int band = 0; band < 3; ++band) {
        for (int column = 0; column < 4; ++column) {
            for (int row = band; row <= band + 1; ++row)
                *v++ = {us[column], vs[row], white, xs[column], ys[row], 0.0f};
        }
    }
    vertexBuffer.markWritten();
}

void StretchSkin::draw(Renderable* r)
{
    vertexBuffer.setColor(r->color, false);
    Texture* pTexture = sourceQuad(source)->pTexture;
    if (borderTop == 0 && borderBottom == 0) {
        vertexBuffer.draw(pTexture, VertexBuffer::TRIANGLE_STRIP, 8, 8);
        return;
    }
    for (int band = 0; band < 3; ++band)
        vertexBuffer.draw(pTexture, VertexBuffer::TRIANGLE_STRIP, 8 * band, 8);
}
