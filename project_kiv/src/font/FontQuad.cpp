#include "FontQuad.h"

#include "BasicLinkIterator.h"
#include "Console.h"
#include "ErrorManager.h"
#include "FontQuadCacheEntry.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivObserver.h"
#include "Logger.h"
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "Quad.h"
#include "Renderable.h"
#include "Skin.h"
#include "Texture.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <typeinfo>

KIV_IMPLEMENT_CLASS(FontQuad, KivBase, []() -> KivBase* { return new FontQuad(); });

namespace {

// The console switches the cache through this hook; set before main() runs.
const bool consoleHookSet = (Console::fontCacheHandler = &FontQuad::setCacheEnabled, true);

const FontQuad::Symbol EMPTY_SYMBOL;

// Cache textures are square; print splits texts this wide or wider.
constexpr int CACHE_TEXTURE_SIZE = 256;
// The most frames a cached string may go unused and keep its place; more
// would let the frame arithmetic overflow.
constexpr int MAX_CACHE_TTL_FRAMES = 10000;

// Accent symbols of Windows-1252 used by the composite table.
constexpr uint16_t GRAVE = 96;
constexpr uint16_t ACUTE = 180;
constexpr uint16_t CIRCUMFLEX = 136;
constexpr uint16_t TILDE = 152;
constexpr uint16_t DIAERESIS = 168;
constexpr uint16_t RING = 176;
constexpr uint16_t CEDILLA = 184;
constexpr uint16_t DOTLESS_I = 127;

struct Composite {
    uint16_t c, base, accent;
};

const Composite COMPOSITES[] = {
    {192, 'A', GRAVE}, {193, 'A', ACUTE}, {194, 'A', CIRCUMFLEX}, {195, 'A', TILDE}, {196, 'A', DIAERESIS},
    {197, 'A', RING},  {200, 'E', GRAVE}, {201, 'E', ACUTE}, {202, 'E', CIRCUMFLEX}, {203, 'E', DIAERESIS},
    {204, 'I', GRAVE}, {205, 'I', ACUTE}, {206, 'I', CIRCUMFLEX}, {207, 'I', DIAERESIS}, {209, 'N', TILDE},
    {210, 'O', GRAVE}, {211, 'O', ACUTE}, {212, 'O', CIRCUMFLEX}, {213, 'O', TILDE}, {214, 'O', DIAERESIS},
    {217, 'U', GRAVE}, {218, 'U', ACUTE}, {219, 'U', CIRCUMFLEX}, {220, 'U', DIAERESIS}, {221, 'Y', ACUTE},
    {159, 'Y', DIAERESIS}, {224, 'a', GRAVE}, {225, 'a', ACUTE}, {226, 'a', CIRCUMFLEX}, {227, 'a', TILDE},
    {228, 'a', DIAERESIS}, {229, 'a', RING}, {232, 'e', GRAVE}, {233, 'e', ACUTE}, {234, 'e', CIRCUMFLEX},
    {235, 'e', DIAERESIS}, {236, DOTLESS_I, GRAVE}, {237, DOTLESS_I, ACUTE}, {238, DOTLESS_I, CIRCUMFLEX},
    {239, DOTLESS_I, DIAERESIS}, {241, 'n', TILDE}, {242, 'o', GRAVE}, {243, 'o', ACUTE}, {244, 'o', CIRCUMFLEX},
    {245, 'o', TILDE}, {246, 'o', DIAERESIS}, {249, 'u', GRAVE}, {250, 'u', ACUTE}, {251, 'u', CIRCUMFLEX},
    {252, 'u', DIAERESIS}, {253, 'y', ACUTE}, {255, 'y', DIAERESIS},
};
const Composite CEDILLAS[] = {{199, 'C', CEDILLA}, {231, 'c', CEDILLA}};

int glyphHeight(const Skin* skin)
{
    return skin ? static_cast<int>(skin->height) : 0;
}

// Glyph sizes and anchors come from float texture coordinates; a quad within
// this of a whole pixel lands on the same pixels as one exactly on it.
bool nearWhole(float value, int& whole)
{
    whole = static_cast<int>(std::lround(value));
    return std::fabs(value - static_cast<float>(whole)) < 1e-3f;
}

int currentFrame()
{
    return pKiv ? pKiv->frameNumber : 0;
}

} // namespace

FontQuad::FontQuad()
{
    if (pKiv && pKiv->pConfig)
        cacheTTLframes =
            pKiv->pConfig->readIntInRange(classRecord.name, "cacheTTLframes", cacheTTLframes, 0, MAX_CACHE_TTL_FRAMES);
}

FontQuad::~FontQuad()
{
    KIV_LOG("Cache usage: %d textures (%d entries).", getCacheTextureCount(), getCacheEntryCount());
    if (pKiv && pKiv->bDebugOutput) {
        BasicLinkIterator it(&cacheEntries);
        while (KivBase* child = it.next())
            KIV_LOG("Contents: %s", static_cast<FontQuadCacheEntry*>(child)->text.c_str());
    }
    dropCache();
}

void FontQuad::addSourceTexture(Texture* texture, uint16_t firstSymbol)
{
    if (firstSymbol != CONTINUE)
        nextSymbolToLoad = firstSymbol;
    for (Skin* skin : texture->skins) {
        if (nextSymbolToLoad == ' ') {
            nextSymbolToLoad = ' ' + 1;
            continue;
        }
        KIV_ASSERT(nextSymbolToLoad<NUMSYMBOLS);
        Symbol& symbol = symbolData[nextSymbolToLoad];
        symbol.pQuad = skin;
        skin->setOriginLocation(7);
        symbol.spacing = defaultSpacing;
        ++nextSymbolToLoad;
    }
    lineHeight = 0;
    for (const Symbol& symbol : symbolData)
        lineHeight = std::max(lineHeight, glyphHeight(symbol.pQuad));
    for (uint16_t capital : {uint16_t('A'), uint16_t('a'), uint16_t('0')}) {
        if (symbolData[capital].pQuad) {
            capHeight = glyphHeight(symbolData[capital].pQuad);
            break;
        }
    }
}

void FontQuad::setCompositeChar(uint16_t c, uint16_t base, uint16_t accent, int dx, int dy)
{
    KIV_ASSERT(c < NUMSYMBOLS && base < NUMSYMBOLS && accent < NUMSYMBOLS);
    symbolData[c].pQuad = symbolData[base].pQuad;
    symbolData[c].pAccentQuad = symbolData[accent].pQuad;
    KIV_ASSERT(symbolData[c].pAccentQuad!=NULL);
    Size baseSize = getSymbolSize(base);
    Size accentSize = getSymbolSize(accent);
    if (dx == AUTO_PLACE)
        dx = static_cast<int>((static_cast<float>(baseSize.width) + 1.0f - static_cast<float>(accentSize.width)) * 0.5f);
    if (dy == AUTO_PLACE) {
        bool lowerCase = (base >= 'a' && base <= 'z') || base == DOTLESS_I;
        int raise = lowerCase ? accentRaiseLower : accentRaiseUpper;
        dy = static_cast<int>(static_cast<float>(accentSize.height) + 1.0f - static_cast<float>(raise));
    }
    symbolData[c].accentOffsetX = dx;
    symbolData[c].accentOffsetY = dy;
    symbolData[c].spacing = symbolData[base].spacing;
}

void FontQuad::setupCompositeChars()
{
    for (const Composite& composite : COMPOSITES)
        setCompositeChar(composite.c, composite.base, composite.accent);
    for (const Composite& composite : CEDILLAS)
        setCompositeChar(composite.c, composite.base, composite.accent, AUTO_PLACE, 0);
}

int FontQuad::getSymbol(const std::string& text, int& index) const
{
    unsigned char byte = static_cast<unsigned char>(text[static_cast<size_t>(index)]);
    if (byte != ESCAPE)
        return byte;
    // Player names reach here: an escape cut short by the end of the text
    // becomes one glyphless symbol instead of a read past the end.
    if (static_cast<size_t>(index) + 2 >= text.size()) {
        index = static_cast<int>(text.size()) - 1;
        return NUMSYMBOLS;
    }
    unsigned char high = static_cast<unsigned char>(text[static_cast<size_t>(index) + 1]);
    unsigned char low = static_cast<unsigned char>(text[static_cast<size_t>(index) + 2]);
    index += 2;
    return 256 + ((high & 0x7F) << 7 | (low & 0x7F));
}

const FontQuad::Symbol& FontQuad::getSymbolData(int code) const
{
    if (code < 0 || code >= NUMSYMBOLS)
        return EMPTY_SYMBOL;
    return symbolData[code];
}

FontQuad::Size FontQuad::getSymbolSize(int code) const
{
    const Skin* glyph = getSymbolData(code).pQuad;
    if (!glyph)
        return {spaceWidth, 0};
    return {static_cast<int>(glyph->width), static_cast<int>(glyph->height)};
}

int FontQuad::getAdvance(int code) const
{
    return getSymbolSize(code).width + getSymbolData(code).spacing;
}

FontQuad::Size FontQuad::measure(const std::string& text, int* fit) const
{
    Size size;
    int length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i) {
        int first = i;
        int code = getSymbol(text, i);
        Size glyph = getSymbolSize(code);
        int advance = glyph.width + getSymbolData(code).spacing;
        size.width += advance;
        size.height = std::max(size.height, glyph.height);
        if (fit && size.width > *fit) {
            size.width -= advance;
            *fit = first;
            break;
        }
    }
    return size;
}

FontQuad::Size FontQuad::measureMarkup(const std::string& text) const
{
    Size total;
    size_t start = 0;
    while (start <= text.size()) {
        size_t marker = text.find(static_cast<char>(MARKUP), start);
        Size piece = measure(text.substr(start, marker == std::string::npos ? std::string::npos : marker - start));
        total.width += piece.width;
        total.height = std::max(total.height, piece.height);
        if (marker == std::string::npos)
            break;
        // The marker and its eight characters take no room; a marker cut
        // short by the end of the text drops what there is.
        start = marker + 1 + MARKUP_LENGTH;
    }
    return total;
}

void FontQuad::print(Renderable* parent, int flags, const std::string& text)
{
    printMeasured(parent, flags, text, measure(text).width);
}

void FontQuad::printMeasured(Renderable* parent, int flags, const std::string& text, int width)
{
    float x = 0.0f, y = 0.0f;
    if (flags & PRINT_CENTRE_X)
        x -= static_cast<float>(width / 2);
    if (flags & PRINT_RIGHT)
        x -= static_cast<float>(width);
    if (flags & PRINT_CENTRE_Y)
        y += static_cast<float>(lineHeight / 2);
    if (flags & PRINT_BOTTOM)
        y += static_cast<float>(lineHeight);
    if (flags & PRINT_CAP_BASELINE)
        y += static_cast<float>(capHeight);

    Renderable at;
    at.bSkipVisibility = true;
    at.postXform = parent->xform;
    at.color = parent->color;
    at.position = V3(x, y, 0.0f);
    at.updateVisuals();
    KivObserver* observer = pKiv ? pKiv->pObserver : nullptr;
    if (observer)
        observer->onTextDrawn(*this, at, text, bDrawingShadow);

    bool cached = bUseCache && pKiv && pKiv->pGraphics && pKiv->pGraphics->bEnableFontCache &&
                  !(flags & PRINT_NO_CACHE) && text.size() >= 4;
    if (cached && width >= CACHE_TEXTURE_SIZE) {
        printHalves(&at, text);
    } else {
        drawAccents(&at, text);
        FontQuadCacheEntry* entry = cached ? getCacheEntry(text) : nullptr;
        if (entry)
            entry->draw(&at);
        else
            printGlyphs(&at, text);
    }
    if (observer)
        observer->onDrawingDone();
}

void FontQuad::printGlyphs(Renderable* at, const std::string& text)
{
    V3 pen = at->position;
    int length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i) {
        int code = getSymbol(text, i);
        if (Skin* glyph = getSymbolData(code).pQuad) {
            at->setSkinAndTransform(glyph, &pen, nullptr, nullptr);
            at->render();
        }
        pen.x += static_cast<float>(getAdvance(code));
    }
}

void FontQuad::printHalves(Renderable* at, const std::string& text)
{
    size_t length = text.size();
    size_t split = length / 2;
    if (static_cast<unsigned char>(text[split]) >= 0x80) {
        // Walk back to a byte below 0x80 so the split never cuts an escape.
        size_t back = split;
        while (back > 0 && static_cast<unsigned char>(text[back]) >= 0x80)
            --back;
        split = static_cast<unsigned char>(text[back]) < 0x80 ? back : length / 2;
    }
    if (split == 0)
        split = length / 2;
    std::string first = text.substr(0, split);
    std::string second = text.substr(split);
    print(at, 2, first);
    at->position.x += static_cast<float>(measure(first).width);
    at->updateVisuals();
    print(at, 2, second);
}

void FontQuad::printAt(float x, float y, float z, UColor color, int flags, const std::string& text)
{
    Renderable at;
    at.bSkipVisibility = true;
    at.position = V3(x, y, z);
    at.color = color;
    at.updateVisuals();
    print(&at, flags, text);
}

void FontQuad::printShadow(Renderable* parent, int flags, const std::string& text, float dx, float dy, float dz,
                           UColor shadowColor)
{
    if (pKiv && pKiv->pGraphics && pKiv->pGraphics->bTextShadows) {
        V3 position = parent->position;
        UColor color = parent->color;
        parent->position = V3(position.x + dx, position.y + dy, position.z + dz);
        parent->updateVisuals();
        parent->color = shadowColor;
        bDrawingShadow = true;
        print(parent, flags, text);
        bDrawingShadow = false;
        parent->position = position;
        parent->updateVisuals();
        parent->color = color;
    }
    print(parent, flags, text);
}

void FontQuad::printShadowAt(float x, float y, float z, UColor color, int flags, const std::string& text, float dx,
                             float dy, float dz, UColor shadowColor)
{
    Renderable at;
    at.bSkipVisibility = true;
    at.position = V3(x, y, z);
    at.color = color;
    at.updateVisuals();
    printShadow(&at, flags, text, dx, dy, dz, shadowColor);
}

void FontQuad::printTruncated(Renderable* parent, int flags, const std::string& text, int maxWidth)
{
    static const std::string ELLIPSIS = "...";
    // Captions go through here every frame, most of them short enough.
    const int width = measure(text).width;
    if (width <= maxWidth) {
        printMeasured(parent, flags, text, width);
        return;
    }
    int budget = maxWidth - measure(ELLIPSIS).width;
    if (budget < 0) {
        print(parent, flags, ELLIPSIS);
        return;
    }
    measure(text, &budget);
    print(parent, flags, text.substr(0, static_cast<size_t>(std::min<int>(budget, static_cast<int>(text.size())))) + ELLIPSIS);
}

void FontQuad::drawAccents(Renderable* parent, const std::string& text)
{
    // Most texts have no accent: the drawable is only set up for the first one.
    std::optional<Renderable> at;
    int penX = 0;
    int length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i) {
        int code = getSymbol(text, i);
        const Symbol& symbol = getSymbolData(code);
        if (symbol.pAccentQuad) {
            if (!at) {
                at.emplace();
                at->bSkipVisibility = true;
                at->postXform = parent->xform;
                at->color = parent->color;
            }
            V3 place(static_cast<float>(penX + symbol.accentOffsetX), static_cast<float>(symbol.accentOffsetY), 0.0f);
            at->setSkinAndTransform(symbol.pAccentQuad, &place, nullptr, nullptr);
            at->render();
        }
        penX += getAdvance(code);
    }
}

FontQuadCacheEntry* FontQuad::getCacheEntry(const std::string& text)
{
    BasicLinkIterator it(&cacheEntries);
    while (KivBase* child = it.next()) {
        FontQuadCacheEntry* entry = static_cast<FontQuadCacheEntry*>(child);
        if (entry->text == text) {
            ++cacheHits;
            return entry;
        }
    }
    if (!canCache(text))
        return nullptr;
    FontQuadCacheEntry* entry = findFreeCacheEntry();
    if (!entry)
        return nullptr;
    entry->fillCache(text);
    ++cacheFills;
    return entry;
}

FontQuadCacheEntry* FontQuad::findFreeCacheEntry()
{
    int frame = currentFrame();
    BasicLinkIterator it(&cacheEntries);
    while (KivBase* child = it.next()) {
        FontQuadCacheEntry* entry = static_cast<FontQuadCacheEntry*>(child);
        if (entry->lastUsedFrame + cacheTTLframes < frame)
            return entry;
    }
    return createCacheTexture();
}

FontQuadCacheEntry* FontQuad::createCacheTexture()
{
    int stripHeight = lineHeight + 1;
    int strips = CACHE_TEXTURE_SIZE / stripHeight;
    // A texture that could hold no strip would only be made again at every
    // print.
    if (strips == 0)
        return nullptr;
    Texture* texture = new Texture(CACHE_TEXTURE_SIZE, CACHE_TEXTURE_SIZE, Texture::TEXTURE_KEEP_SOURCE);
    cacheTextures.addChildLast(texture);
    KIV_LOG("Creating new cache texture (%d cache entries).", strips);
    texture->clear(nullptr, bWhiteCacheBackground);
    FontQuadCacheEntry* first = nullptr;
    for (int i = 0; i < strips; ++i) {
        auto* entry = new FontQuadCacheEntry(this, texture, 0, i * stripHeight, (i + 1) * stripHeight,
                                             CACHE_TEXTURE_SIZE);
        cacheEntries.addChildLast(entry);
        if (!first)
            first = entry;
    }
    return first;
}

bool FontQuad::canCache(const std::string& text) const
{
    return planCache(text, nullptr);
}

bool FontQuad::planCache(const std::string& text, CachePlan* plan) const
{
    if (lineHeight + 1 > CACHE_TEXTURE_SIZE)
        return false;
    std::vector<CachePlan::Glyph> glyphs;
    int left = 0, top = 0, right = 0, bottom = 0;
    bool any = false;
    int penX = 0;
    int length = static_cast<int>(text.size());
    for (int i = 0; i < length; ++i) {
        int code = getSymbol(text, i);
        const Skin* skin = getSymbolData(code).pQuad;
        if (skin) {
            CachePlan::Glyph glyph;
            if (!placeGlyph(skin, penX, glyph))
                return false;
            // Strips are copied without blending: overlapping glyphs would
            // cover each other differently than when drawn one by one.
            if (any && glyph.x < right)
                return false;
            if (!any) {
                left = glyph.x;
                top = glyph.y;
                bottom = glyph.y + glyph.source.height();
            }
            right = glyph.x + glyph.source.width();
            top = std::min(top, glyph.y);
            bottom = std::max(bottom, glyph.y + glyph.source.height());
            any = true;
            if (plan)
                glyphs.push_back(glyph);
        }
        penX += getAdvance(code);
    }
    if (!any || right - left > CACHE_TEXTURE_SIZE || bottom - top > lineHeight)
        return false;
    if (plan) {
        for (CachePlan::Glyph& glyph : glyphs) {
            glyph.x -= left;
            glyph.y -= top;
        }
        plan->glyphs = std::move(glyphs);
        plan->width = right - left;
        plan->height = bottom - top;
        plan->offsetX = left;
        plan->offsetY = top;
    }
    return true;
}

bool FontQuad::placeGlyph(const Skin* skin, int penX, CachePlan::Glyph& glyph)
{
    // Only a plain quad of one texture can be copied; mosaics and bent or
    // stretched skins are drawn glyph by glyph.
    if (typeid(*skin) != typeid(Quad))
        return false;
    const Quad* quad = static_cast<const Quad*>(skin);
    const Texture* texture = quad->pTexture;
    // A texture without its kept image has nothing to copy from; a halved one
    // keeps a halved image under full-size skin rectangles.
    if (!texture || !texture->pSavedSourceData || texture->scaleFactor != 1 || !texture->hasAlpha)
        return false;
    const MemoryImageFile* image = texture->pSavedSourceData;
    const Rect& source = quad->pixelRect;
    if (source.left < 0 || source.top < 0 || source.right > image->width || source.bottom > image->height ||
        source.width() <= 0 || source.height() <= 0)
        return false;
    int width = 0, height = 0, left = 0, down = 0;
    if (!nearWhole(skin->width, width) || !nearWhole(skin->height, height) || width != source.width() ||
        height != source.height())
        return false;
    // The glyph path draws the quad centred on pen - origin: its top-left
    // corner must fall on a whole pixel for a strip copy to match it.
    if (!nearWhole(-skin->origin.x - skin->width * 0.5f, left) || !nearWhole(skin->origin.y - skin->height * 0.5f, down))
        return false;
    glyph.pQuad = quad;
    glyph.source = source;
    glyph.x = penX + left;
    glyph.y = down;
    return true;
}

void FontQuad::setCacheEnabled(int enabled)
{
    if (pKiv && pKiv->pGraphics)
        pKiv->pGraphics->bEnableFontCache = enabled != 0;
}

void FontQuad::onKIVmodeChange(int oldMode, int newMode)
{
    if (oldMode == Kiv::MODE_INACTIVE && newMode == Kiv::MODE_DISPLAYLOST)
        dropCache();
}

int FontQuad::getCacheTextureCount() const
{
    return cacheTextures.getChildCount();
}

int FontQuad::getCacheEntryCount() const
{
    return cacheEntries.getChildCount();
}

void FontQuad::dropCache()
{
    cacheEntries.deleteAllChildren();
    cacheTextures.deleteAllChildren();
}
