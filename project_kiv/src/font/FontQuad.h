#pragma once
// FontQuad: the bitmap font every screen text is drawn with. Glyphs are skins
// of the font's glyph textures (the textures own them); 1024 symbols, codes
// 0-255 the bytes of the text in the Windows-1252 layout, codes 256-1023
// reached through the escape 0x1F, high byte, low byte. Accented letters are
// a base glyph plus an accent glyph. Texts of four bytes or more are normally
// drawn from the font's cache of rendered strings (FontQuadCacheEntry), one
// quad per text instead of one per glyph. The loader creates and fills the
// fonts and registers them as resources; the font knows nothing of files.
// Main thread only.
#include "KivBase.h"
#include "Rect.h"
#include "UColor.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class FontQuadCacheEntry;
class Quad;
class Renderable;
class Skin;
class Texture;

class FontQuad : public KivBase {
    KIV_DECLARE_CLASS()
public:
    static constexpr int NUMSYMBOLS = 1024;
    // The byte that opens a three-byte escape for symbols 256 and above.
    static constexpr unsigned char ESCAPE = 0x1F;
    // The byte that opens colour markup in text lines, and the number of
    // markup characters after it ("{RRGGBB}").
    static constexpr unsigned char MARKUP = 0x1E;
    static constexpr size_t MARKUP_LENGTH = 8;
    // First symbol for addSourceTexture: continue at nextSymbolToLoad.
    static constexpr uint16_t CONTINUE = 0xFFFF;
    // Asks setCompositeChar to place the accent by itself.
    static constexpr int AUTO_PLACE = -999;

    // Print flags; 1 and 2 have no effect of their own.
    enum PrintFlags {
        PRINT_CENTRE_X = 0x04,
        PRINT_RIGHT = 0x08,
        PRINT_CENTRE_Y = 0x10,
        PRINT_BOTTOM = 0x20,
        PRINT_CAP_BASELINE = 0x40,
        PRINT_NO_CACHE = 0x80,
    };

    struct Symbol {
        // The glyph; null: drawn as empty space of spaceWidth.
        Skin* pQuad = nullptr;
        // Drawn together with the glyph; null: none.
        Skin* pAccentQuad = nullptr;
        // Extra advance after the glyph, pixels, may be negative.
        int spacing = 0;
        // Accent's top-left corner relative to the pen (x) and to the top of
        // the line (y grows upwards).
        int accentOffsetX = 0;
        int accentOffsetY = 0;
    };

    struct Size {
        int width = 0;
        int height = 0;
    };

    // Where the glyphs of a cacheable text go in a cache strip.
    struct CachePlan {
        struct Glyph {
            const Quad* pQuad = nullptr;
            // The glyph's pixels in its texture's kept image.
            Rect source;
            // Top-left corner in the strip, rows counting down.
            int x = 0, y = 0;
        };
        std::vector<Glyph> glyphs;
        int width = 0, height = 0;
        // The strip's top-left corner relative to the text's origin, rows
        // counting down (0, 0 for glyphs anchored at their top-left corner).
        int offsetX = 0, offsetY = 0;
    };

    // Empty symbols and default settings; reads "cacheTTLframes".
    FontQuad();
    // Logs the cache usage and frees it; glyph skins stay with their textures.
    ~FontQuad() override;
    FontQuad(const FontQuad&) = delete;
    FontQuad& operator=(const FontQuad&) = delete;

    // Loads the texture's skins as consecutive glyphs from firstSymbol
    // (CONTINUE: from nextSymbolToLoad); symbol 32 is always left empty.
    void addSourceTexture(Texture* texture, uint16_t firstSymbol);
    // Symbol c becomes base's glyph with accent's glyph as its accent;
    // AUTO_PLACE centres the accent above the base.
    void setCompositeChar(uint16_t c, uint16_t base, uint16_t accent, int dx = AUTO_PLACE, int dy = AUTO_PLACE);
    // The 54 accented letters of Windows-1252.
    void setupCompositeChars();

    // The symbol code at byte index; for an escape index is left on its last
    // byte. Codes of NUMSYMBOLS and above (a damaged escape, or one cut short
    // by the end of the text) have no entry and count as glyphless symbols.
    int getSymbol(const std::string& text, int& index) const;
    // The entry of a code; an empty entry for codes outside the table.
    const Symbol& getSymbolData(int code) const;
    // (glyph width, glyph height) truncated, or (spaceWidth, 0) without glyph.
    Size getSymbolSize(int code) const;
    // Glyph width (or spaceWidth) plus spacing.
    int getAdvance(int code) const;

    // Width and height in pixels. With fit, *fit is a pixel budget on entry;
    // when the text is wider, *fit becomes the byte index of the first symbol
    // that does not fit (an escape's 0x1F) and the width is what fits.
    Size measure(const std::string& text, int* fit = nullptr) const;
    // Like measure, with colour markup taking no room.
    Size measureMarkup(const std::string& text) const;

    // Draws the text in parent's space with its transform and colour.
    void print(Renderable* parent, int flags, const std::string& text);
    void printAt(float x, float y, float z, UColor color, int flags, const std::string& text);
    // The text, first moved by (dx, dy, dz) in shadowColor when the display's
    // text shadows are on. Parent's position and colour are restored.
    void printShadow(Renderable* parent, int flags, const std::string& text, float dx, float dy, float dz,
                     UColor shadowColor);
    void printShadowAt(float x, float y, float z, UColor color, int flags, const std::string& text, float dx,
                       float dy, float dz, UColor shadowColor);
    // Shortened with "..." when wider than maxWidth pixels.
    void printTruncated(Renderable* parent, int flags, const std::string& text, int maxWidth);
    // Only the accent glyphs of the text, drawn before the text itself.
    void drawAccents(Renderable* parent, const std::string& text);

    // The cache entry showing exactly this text, filled on first use; null
    // when the text cannot be cached pixel for pixel (see canCache).
    FontQuadCacheEntry* getCacheEntry(const std::string& text);
    // The first entry unused for more than cacheTTLframes frames, else the
    // first entry of a new cache texture; null when a strip cannot hold a line.
    FontQuadCacheEntry* findFreeCacheEntry();
    FontQuadCacheEntry* createCacheTexture();
    // True when a strip copy of the text lands on the same pixels as its
    // glyphs: every glyph a plain quad of an unscaled texture that kept its
    // image, placed on whole pixels, inside one strip, not overlapping.
    bool canCache(const std::string& text) const;
    // canCache, also telling where each glyph goes when plan is given.
    bool planCache(const std::string& text, CachePlan* plan) const;
    // Drops the cache when the display is lost.
    void onKIVmodeChange(int oldMode, int newMode) override;
    // The console's "fontcache %d": every font's cached path on (non-zero)
    // or off, through the display's bEnableFontCache.
    static void setCacheEnabled(int enabled);

    int getCacheTextureCount() const;
    int getCacheEntryCount() const;

    Symbol symbolData[NUMSYMBOLS];
    int spaceWidth = 4;
    int defaultSpacing = 1;
    int lineHeight = 0;
    int capHeight = 0;
    int accentRaiseUpper = 0;
    int accentRaiseLower = 0;
    bool bUseCache = true;
    bool bWhiteCacheBackground = false;
    uint16_t nextSymbolToLoad = 33;
    int cacheTTLframes = 2;

    // Children are the cache textures, in creation order.
    KivBase cacheTextures;
    // Children are the FontQuadCacheEntry objects, strips top to bottom.
    KivBase cacheEntries;

    // Counters for tuning: cache lookups that found their text, and fills.
    int cacheHits = 0;
    int cacheFills = 0;

private:
    // The glyph's place relative to the pen; false when the glyph cannot be
    // copied into a strip exactly.
    static bool placeGlyph(const Skin* skin, int penX, CachePlan::Glyph& glyph);
    // print for a text whose width is already known.
    void printMeasured(Renderable* parent, int flags, const std::string& text, int width);
    void printGlyphs(Renderable* at, const std::string& text);
    void printHalves(Renderable* at, const std::string& text);
    void dropCache();

    // Set while printShadow draws the shadow, for the engine's observer.
    bool bDrawingShadow = false;
};
