#include "VertexBuffer.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivObserver.h"
#include "Matrix.h"
#include "Texture.h"

#include <GL/gl.h>

namespace {
KivBase* createVertexBuffer()
{
    return new VertexBuffer();
}

const GLenum PRIMITIVES[] = {GL_POINTS, GL_LINES, GL_LINE_STRIP, GL_TRIANGLES, GL_TRIANGLE_STRIP, GL_TRIANGLE_FAN};
}

KIV_IMPLEMENT_CLASS(VertexBuffer, KivBase, createVertexBuffer);

VertexBuffer::VertexBuffer(int count)
{
    vertexCount = count;
    if (count > 0)
        vertices = new Vertex[count];
}

VertexBuffer::~VertexBuffer()
{
    delete[] vertices;
}

void VertexBuffer::resize(int count)
{
    if (count == vertexCount)
        return;
    delete[] vertices;
    vertices = nullptr;
    vertexCount = count;
    if (count > 0)
        vertices = new Vertex[count];
}

void VertexBuffer::markWritten()
{
    if (pKiv)
        ++pKiv->stats.vbufferWrites;
}

void VertexBuffer::fillColor(UColor color)
{
    for (int i = 0; i < vertexCount; ++i)
        vertices[i].color = color;
    markWritten();
}

void VertexBuffer::setColor(UColor color, bool force)
{
    // bTFACTORSupport once meant "the colour lives in vertex 0 only", which
    // left every other vertex in the old colour: every vertex is written.
    if (!force && vertices[0].color == color)
        return;
    fillColor(color);
}

void VertexBuffer::draw(Texture* pTexture, int type, int first, int count)
{
    if (vertexCount <= 0)
        return;
    if (count < 0)
        count = vertexCount - first;
    if (pKiv)
        pKiv->stats.vertices += count;
    KivGraphics* pGraphics = pKiv ? pKiv->pGraphics : nullptr;
    const bool bOpaque = pTexture && !pTexture->hasAlpha;
    if (!pTexture) {
        glDisable(GL_TEXTURE_2D);
    } else {
        pTexture->bind();
        if (bOpaque) {
            pGraphics->setAlphaBlending(false);
            pGraphics->setTextureModulate(false);
        }
    }
    if (type < 0 || type > TRIANGLE_FAN)
        KIV_ERROR("Unknown primitive type %d", type);
    if (KivObserver* observer = pKiv ? pKiv->pObserver : nullptr) {
        Matrix modelView, projection;
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView.m);
        glGetFloatv(GL_PROJECTION_MATRIX, projection.m);
        observer->onVerticesDrawn(*this, type, first, count, pTexture, modelView, projection);
    }
    glInterleavedArrays(GL_T2F_C4UB_V3F, 0, vertices);
    glDrawArrays(PRIMITIVES[type], first, count);
    if (!pTexture) {
        glEnable(GL_TEXTURE_2D);
        return;
    }
    if (bOpaque) {
        pGraphics->setAlphaBlending(true);
        pGraphics->setTextureModulate(true);
    }
    const int debugLevel = pKiv ? pKiv->debugLevel : 0;
    if (debugLevel & 0x40) {
        fillColor(UColor(255, 255, 255, 64));
        glDisable(GL_TEXTURE_2D);
        glDrawArrays(GL_TRIANGLE_STRIP, first, count);
        glEnable(GL_TEXTURE_2D);
        fillColor(UColor(255, 255, 255, 255));
    }
    if (debugLevel & 0x08) {
        glDisable(GL_TEXTURE_2D);
        glDrawArrays(GL_LINE_STRIP, first, count);
        glEnable(GL_TEXTURE_2D);
    }
}
