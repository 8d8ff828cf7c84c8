#include "RadialFader.h"

#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "V3.h"
#include "VertexBuffer.h"

#include <algorithm>
#include <cmath>

namespace {
const double TWO_PI = 6.283185307179586;
const UColor OPAQUE_BLACK(0, 0, 0, 255);
const UColor CLEAR_BLACK(0, 0, 0, 0);

void setVertex(VertexBuffer::Vertex& vertex, float radius, double angle, UColor color)
{
    vertex.u = 0.0f;
    vertex.v = 0.0f;
    vertex.color = color;
    vertex.x = static_cast<float>(radius * std::cos(angle));
    vertex.y = static_cast<float>(radius * std::sin(angle));
    vertex.z = 0.0f;
}
} // namespace

RadialFader::RadialFader()
{
    bSkipVisibility = true;
}

void RadialFader::tick(double, double dt)
{
    const float step = static_cast<float>(dt);
    if (targetCoverage > coverage)
        coverage = std::min(coverage + step, targetCoverage);
    else if (targetCoverage < coverage)
        coverage = std::max(coverage - step, targetCoverage);
}

float RadialFader::outerRadius()
{
    const float halfWidth = static_cast<float>(pKiv->pGraphics->fovWidth / 2);
    const float halfHeight = static_cast<float>(pKiv->pGraphics->fovHeight / 2);
    return std::sqrt(halfWidth * halfWidth + halfHeight * halfHeight) + EDGE;
}

float RadialFader::innerRadius(float outer, float closing)
{
    return V3(V3(outer, 0.0f, 0.0f), V3(0.0f, 0.0f, 0.0f), closing, 3).x;
}

void RadialFader::render()
{
    if (coverage == 0.0f)
        return;
    pKiv->pGraphics->loadIdentity();
    const float outer = outerRadius();
    const float inner = innerRadius(outer, coverage);
    const bool highDetail = !pGlobal || pGlobal->hst.detail > 0;
    if (highDetail && !pKiv->pGraphics->bBrokenAlphaOp)
        drawSoftEdge(inner);
    drawRing(outer, inner);
}

void RadialFader::drawSoftEdge(float inner) const
{
    const float soft = std::max(inner - EDGE, 0.0f);
    VertexBuffer buffer(2 * SEGMENTS + 2);
    for (int i = 0; i < SEGMENTS; ++i) {
        const double angle = i * TWO_PI / SEGMENTS;
        setVertex(buffer.vertices[2 * i], inner, angle, OPAQUE_BLACK);
        setVertex(buffer.vertices[2 * i + 1], soft, angle, CLEAR_BLACK);
    }
    buffer.vertices[2 * SEGMENTS] = buffer.vertices[0];
    buffer.vertices[2 * SEGMENTS + 1] = buffer.vertices[1];
    buffer.markWritten();
    buffer.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
}

void RadialFader::drawRing(float outer, float inner) const
{
    VertexBuffer buffer(2 * SEGMENTS + 2);
    for (int i = 0; i <= SEGMENTS; ++i) {
        const double angle = i * TWO_PI / SEGMENTS;
        setVertex(buffer.vertices[2 * i], outer, angle, OPAQUE_BLACK);
        setVertex(buffer.vertices[2 * i + 1], inner, angle, OPAQUE_BLACK);
    }
    buffer.markWritten();
    KivGraphics& graphics = *pKiv->pGraphics;
    graphics.setAlphaBlending(false);
    buffer.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    graphics.setAlphaBlending(true);
}
