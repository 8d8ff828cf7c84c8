#pragma once
// Glyph textures painted by the tests themselves: glyphs laid out left to
// right with a clear texel between them, each filled with a pattern of its
// own (opaque, half-transparent and clear texels) so that any misplaced,
// missing or extra pixel shows on screen.
#include "MemoryImageFile.h"
#include "Quad.h"
#include "Rect.h"
#include "Skin.h"
#include "Texture.h"

#include <algorithm>
#include <vector>

struct GlyphSize { int width; int height; };

inline void paintGlyph(MemoryImageFile& image, const Rect& rect, int index)
{
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            unsigned char* pixel = image.pImageData + 4 * (y * image.width + x);
            int lx = x - rect.left, ly = y - rect.top;
            pixel[0] = static_cast<unsigned char>(60 + (index * 37) % 190);
            pixel[1] = static_cast<unsigned char>(80 + (lx * 23) % 170);
            pixel[2] = static_cast<unsigned char>(90 + (ly * 41) % 160);
            int kind = (lx + 2 * ly + index) % 4;
            pixel[3] = kind == 0 ? 0 : kind == 1 ? 128 : 255;
        }
    }
}

// A 256 x 256 texture with one skin per glyph size, in order. flags decide
// whether the texture keeps its image (Texture::TEXTURE_KEEP_SOURCE).
inline Texture* makeGlyphTexture(const std::vector<GlyphSize>& glyphs, int flags)
{
    Texture* texture = new Texture(256, 256, flags);
    for (Skin* skin : texture->skins)
        delete skin;
    texture->skins.clear();
    MemoryImageFile image(256, 256);
    image.clear(nullptr, false);
    int x = 0, y = 0, rowHeight = 0;
    int index = 0;
    for (const GlyphSize& glyph : glyphs) {
        if (x + glyph.width > 256) {
            x = 0;
            y += rowHeight + 1;
            rowHeight = 0;
        }
        Rect rect(x, y, x + glyph.width, y + glyph.height);
        paintGlyph(image, rect, index++);
        Quad* quad = new Quad();
        quad->pTexture = texture;
        quad->pixelRect = rect;
        quad->uvRect = texture->pixelToUV(rect);
        quad->resetSize();
        texture->skins.push_back(quad);
        x += glyph.width + 1;
        rowHeight = std::max(rowHeight, glyph.height);
    }
    texture->copyImageData(&image, nullptr, nullptr);
    if (texture->pSavedSourceData)
        texture->pSavedSourceData->blit(&image, nullptr, nullptr);
    return texture;
}
