#pragma once
// FontQuadCacheEntry: one strip of a font's cache texture holding the pixels
// of one rendered text, drawn as a single quad. The font (FontQuad) creates
// the entries with their texture, owns them through its cacheEntries list,
// reuses a strip once its text has gone undrawn for more than cacheTTLframes
// frames and drops them all when the display is lost. Main thread only.
#include "KivBase.h"
#include "UString.h"

#include <string>

class FontQuad;
class Quad;
class Renderable;
class Texture;

class FontQuadCacheEntry : public KivBase {
    KIV_DECLARE_CLASS()
public:
    // The strip is the pixel rectangle (left, top, bottom, right) of texture.
    FontQuadCacheEntry(FontQuad* font, Texture* texture, int left, int top, int bottom, int right);
    ~FontQuadCacheEntry() override;
    FontQuadCacheEntry(const FontQuadCacheEntry&) = delete;
    FontQuadCacheEntry& operator=(const FontQuadCacheEntry&) = delete;

    // Copies the glyphs of the text into the strip and uploads it. Returns
    // false, leaving the strip empty, when the font cannot cache the text.
    bool fillCache(const std::string& text);
    // Draws the strip with parent's transform and colour and marks the entry
    // used in this frame.
    void draw(Renderable* parent);

    // Engine frame of the last draw; an entry never drawn is free at once.
    int lastUsedFrame = -1000;
    // The text in the strip, the cache key.
    UString text;
    // The owning font; not owned.
    FontQuad* pFont;
    // Owned; shows the used part of the strip, anchored at its top-left corner.
    Quad* pQuad;
    // Where the quad's top-left corner goes relative to the text's origin
    // (y upwards), for glyphs not anchored at their own top-left corner.
    float offsetX = 0.0f;
    float offsetY = 0.0f;

private:
    void setQuadRect(int left, int top, int bottom, int right);

    Texture* pTexture;
    int stripLeft;
    int stripTop;
};
