#include "board/RoofSkin.h"

#include "Kiv.h"
#include "Renderable.h"
#include "ResourceManager.h"
#include "Texture.h"
#include "effects/GameSupport.h"

RoofSkin::RoofSkin() : tileTexture(GameSupport::resource<Texture>("roofTile"))
{
    vertexBuffer.resize(3);
}

void RoofSkin::setWidth(int w)
{
    width = static_cast<float>(w);
    height = w * 0.25f;
    const float halfBase = w * 0.5f + 2.0f;
    const V3 corners[3] = {V3(-halfBase, -1.0f, 0.0f), V3(0.0f, height, 0.0f), V3(halfBase, -1.0f, 0.0f)};
    // Texture coordinates from world units, so the tiles keep their size on
    // every roof.
    const float textureWidth = static_cast<float>(tileTexture->width);
    const float textureHeight = static_cast<float>(tileTexture->height);
    const UColor white(255, 255, 255, 255);
    for (int i = 0; i < 3; ++i)
        vertexBuffer.vertices[i] = {corners[i].x / textureWidth, -corners[i].y / textureHeight, white, corners[i].x,
                                    corners[i].y, corners[i].z};
    vertexBuffer.markWritten();
}

void RoofSkin::draw(Renderable* r)
{
    vertexBuffer.setColor(r->color, false);
    vertexBuffer.draw(tileTexture, VertexBuffer::TRIANGLE_STRIP, 0, -1);
    if (pKiv->debugLevel & 0x08)
        vertexBuffer.draw(nullptr, VertexBuffer::LINE_STRIP, 0, -1);
}
