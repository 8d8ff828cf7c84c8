#include "Quad.h"

#include "Renderable.h"
#include "Texture.h"

#include <cmath>

namespace {
KivBase* createQuad()
{
    return new Quad();
}
}

KIV_IMPLEMENT_CLASS(Quad, Skin, createQuad);

Quad::Quad()
{
    vertexBuffer.resize(4);
}

Quad::~Quad() = default;

void Quad::setSize(float w, float h)
{
    width = w;
    height = h;
    const UColor white(255, 255, 255, 255);
    VertexBuffer::Vertex* v = vertexBuffer.vertices;
    v[0] = {uvRect.left, uvRect.top, white, -w / 2, h / 2, 0.0f};
    v[1] = {uvRect.right, uvRect.top, white, w / 2, h / 2, 0.0f};
    v[2] = {uvRect.left, uvRect.bottom, white, -w / 2, -h / 2, 0.0f};
    v[3] = {uvRect.right, uvRect.bottom, white, w / 2, -h / 2, 0.0f};
    vertexBuffer.markWritten();
}

void Quad::resetSize()
{
    setSize((uvRect.right - uvRect.left) * static_cast<float>(pTexture->width),
            std::fabs(uvRect.top - uvRect.bottom) * static_cast<float>(pTexture->height));
}

void Quad::draw(Renderable* r)
{
    vertexBuffer.setColor(r->color, false);
    vertexBuffer.draw(pTexture, VertexBuffer::TRIANGLE_STRIP, 0, -1);
}
