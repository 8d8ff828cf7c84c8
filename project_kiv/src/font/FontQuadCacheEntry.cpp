#include "FontQuadCacheEntry.h"

#include "ErrorManager.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "MemoryImageFile.h"
#include "Point.h"
#include "Quad.h"
#include "Rect.h"
#include "Renderable.h"
#include "Texture.h"

#include <algorithm>

KIV_IMPLEMENT_CLASS(FontQuadCacheEntry, KivBase, nullptr);

FontQuadCacheEntry::FontQuadCacheEntry(FontQuad* font, Texture* texture, int left, int top, int bottom, int right)
    : pFont(font), pQuad(new Quad()), pTexture(texture), stripLeft(left), stripTop(top)
{
    pQuad->pTexture = texture;
    setQuadRect(left, top, bottom, right);
}

FontQuadCacheEntry::~FontQuadCacheEntry()
{
    pQuad->deleteMe();
}

bool FontQuadCacheEntry::fillCache(const std::string& newText)
{
    MemoryImageFile* pDestMIF = pTexture->pSavedSourceData;
    KIV_ASSERT(pDestMIF!=NULL);
    pTexture->clear(&pQuad->pixelRect, pFont->bWhiteCacheBackground);
    text = newText;
    FontQuad::CachePlan plan;
    if (!pFont->planCache(newText, &plan)) {
        text.clear();
        setQuadRect(stripLeft, stripTop, stripTop, stripLeft);
        return false;
    }
    for (const FontQuad::CachePlan::Glyph& glyph : plan.glyphs) {
        const MemoryImageFile* pSrcMIF = glyph.pQuad->pTexture->pSavedSourceData;
        KIV_ASSERT(pSrcMIF!=NULL);
        Point at(stripLeft + glyph.x, stripTop + glyph.y);
        pDestMIF->blit(pSrcMIF, &glyph.source, &at);
    }
    setQuadRect(stripLeft, stripTop, stripTop + plan.height, stripLeft + plan.width);
    offsetX = static_cast<float>(plan.offsetX);
    offsetY = static_cast<float>(-plan.offsetY);
    int rows = std::min(pFont->lineHeight, pDestMIF->height - stripTop);
    Rect upload(0, stripTop, pDestMIF->width, stripTop + rows);
    Point uploadAt(0, stripTop);
    pTexture->copyImageData(pDestMIF, &upload, &uploadAt);
    return true;
}

void FontQuadCacheEntry::draw(Renderable* parent)
{
    Renderable at;
    at.bSkipVisibility = true;
    at.postXform = parent->xform;
    at.color = parent->color;
    V3 position(offsetX, offsetY, 0.0f);
    at.setSkinAndTransform(pQuad, &position, nullptr, nullptr);
    at.render();
    lastUsedFrame = pKiv ? pKiv->frameNumber : 0;
}

void FontQuadCacheEntry::setQuadRect(int left, int top, int bottom, int right)
{
    Rect rect(left, top, right, bottom);
    pQuad->pixelRect = rect;
    pQuad->uvRect = pTexture->pixelToUV(rect);
    pQuad->resetSize();
    pQuad->setOriginLocation(7);
}
