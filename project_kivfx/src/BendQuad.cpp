#include "BendQuad.h"

#include "Kiv.h"
#include "Texture.h"

#include <cmath>

namespace {

constexpr float HALF_PI = 1.5707964f;
constexpr float STRAIGHT = 0.001f;
constexpr double PI = 3.141592653589793;

bool isStraight(float angle)
{
    return std::fabs(angle) < STRAIGHT;
}

int currentFrame()
{
    return pKiv ? pKiv->frameNumber : 0;
}

} // namespace

void BendQuad::matchBufferToPairs()
{
    if (pairCount < 2)
        pairCount = 2;
    if (vertexBuffer.vertexCount == 2 * pairCount)
        return;
    vertexBuffer.resize(2 * pairCount);
    for (int i = 0; i < vertexBuffer.vertexCount; ++i) {
        VertexBuffer::Vertex& vertex = vertexBuffer.vertices[i];
        vertex = VertexBuffer::Vertex{0.0f, 0.0f, UColor(255, 255, 255, 255), 0.0f, 0.0f, 0.0f};
    }
}

void BendQuad::allocateVertices()
{
    matchBufferToPairs();
    for (int i = 0; i < vertexBuffer.vertexCount; ++i) {
        vertexBuffer.vertices[i].z = 0.0f;
        vertexBuffer.vertices[i].color = UColor(255, 255, 255, 255);
    }
    resetSize();
}

void BendQuad::resetSize()
{
    if (!pTexture)
        return;
    matchBufferToPairs();
    float textureWidth = static_cast<float>(pTexture->width);
    float textureHeight = static_cast<float>(pTexture->height);
    if (vertical) {
        height = (uvRect.right - uvRect.left) * textureWidth;
        width = std::fabs(uvRect.top - uvRect.bottom) * textureHeight;
    } else {
        width = (uvRect.right - uvRect.left) * textureWidth;
        height = std::fabs(uvRect.top - uvRect.bottom) * textureHeight;
    }
    for (int i = 0; i < pairCount; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(pairCount - 1);
        VertexBuffer::Vertex& top = vertexBuffer.vertices[2 * i];
        VertexBuffer::Vertex& bottom = vertexBuffer.vertices[2 * i + 1];
        if (vertical) {
            top.v = bottom.v = uvRect.top + t * (uvRect.bottom - uvRect.top);
            top.u = uvRect.left;
            bottom.u = uvRect.right;
        } else {
            top.u = bottom.u = uvRect.right + t * (uvRect.left - uvRect.right);
            top.v = uvRect.top;
            bottom.v = uvRect.bottom;
        }
    }
    halfWidth = width * 0.5f;
    halfHeight = height * 0.5f;
    bendVertices();
}

void BendQuad::bendVertices()
{
    matchBufferToPairs();
    bool straight = isStraight(bendAngle);
    if (!straight)
        bendRadius = width / bendAngle;
    for (int i = 0; i < pairCount; ++i) {
        float t = static_cast<float>(i) / static_cast<float>(pairCount - 1);
        VertexBuffer::Vertex& top = vertexBuffer.vertices[2 * i];
        VertexBuffer::Vertex& bottom = vertexBuffer.vertices[2 * i + 1];
        if (straight) {
            top.x = bottom.x = halfWidth * (1.0f - 2.0f * t);
            top.y = halfHeight;
            bottom.y = -halfHeight;
        } else {
            float theta = bendAngle * (1.0f - t) - HALF_PI;
            float inner = bendRadius - halfHeight;
            float outer = bendRadius + halfHeight;
            top.x = -halfWidth + inner * std::cos(theta);
            top.y = bendRadius + inner * std::sin(theta);
            bottom.x = -halfWidth + outer * std::cos(theta);
            bottom.y = bendRadius + outer * std::sin(theta);
        }
    }
    vertexBuffer.markWritten();
}

void BendQuad::copyFromSkin(Quad* source)
{
    pTexture = source->pTexture;
    uvRect = source->uvRect;
    resetSize();
}

void BendQuad::setBend(float angle)
{
    if (isStraight(angle))
        angle = 0.0f;
    int frame = currentFrame();
    if (bendFrame < frame) {
        bendFrame = frame;
        previousAngle = bendAngle;
        previousRadius = bendRadius;
    }
    if (angle == bendAngle)
        return;
    bendAngle = angle;
    bendVertices();
}

V3 BendQuad::getHalfSize()
{
    return V3(-halfWidth, static_cast<float>(2.0 * (width / PI)) + halfHeight, 0.0f);
}

V3 BendQuad::bendPoint(V3 p, float angle, float radius) const
{
    if (isStraight(angle))
        return p;
    // A quad of no width has no length to bend along.
    float along = halfWidth > 0.0f ? (p.x + halfWidth) / (2.0f * halfWidth) : 0.0f;
    float theta = angle * along - HALF_PI;
    return V3(-halfWidth + (radius - p.y) * std::cos(theta), radius + (radius - p.y) * std::sin(theta), 0.0f);
}

V3 BendQuad::unbendPoint(V3 p, float angle, float radius) const
{
    if (isStraight(angle))
        return p;
    float dx = p.x + halfWidth;
    float dy = p.y - radius;
    float distance = std::sqrt(dx * dx + dy * dy);
    float a = std::atan2(dy, dx);
    if (angle >= 0.0f)
        return V3(-halfWidth + (a + HALF_PI) / angle * 2.0f * halfWidth, radius - distance, p.z);
    return V3(-halfWidth + (a - HALF_PI) / angle * 2.0f * halfWidth, radius + distance, p.z);
}

bool BendQuad::isCurrentFrameBent() const
{
    return bendFrame == currentFrame();
}

V3 BendQuad::local2world(V3 p)
{
    return bendPoint(p, bendAngle, bendRadius);
}

V3 BendQuad::world2local(V3 p)
{
    return unbendPoint(p, bendAngle, bendRadius);
}

V3 BendQuad::local2worldOld(V3 p)
{
    if (isCurrentFrameBent())
        return bendPoint(p, previousAngle, previousRadius);
    return local2world(p);
}

V3 BendQuad::world2localOld(V3 p)
{
    if (isCurrentFrameBent())
        return unbendPoint(p, previousAngle, previousRadius);
    return world2local(p);
}
