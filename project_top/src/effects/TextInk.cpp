#include "effects/TextInk.h"

#include "FontQuad.h"
#include "RenderableText.h"
#include "Skin.h"

bool TextInk::measure(const FontQuad& font, int flags, const std::string& text, ViewBox* ink)
{
    // The pen starts where the font's print puts it; each glyph hangs from
    // the pen by its skin's anchor.
    const int width = font.measure(text).width;
    float penX = 0.0f, penY = 0.0f;
    if (flags & FontQuad::PRINT_CENTRE_X)
        penX -= static_cast<float>(width / 2);
    if (flags & FontQuad::PRINT_RIGHT)
        penX -= static_cast<float>(width);
    if (flags & FontQuad::PRINT_CENTRE_Y)
        penY += static_cast<float>(font.lineHeight / 2);
    if (flags & FontQuad::PRINT_BOTTOM)
        penY += static_cast<float>(font.lineHeight);
    if (flags & FontQuad::PRINT_CAP_BASELINE)
        penY += static_cast<float>(font.capHeight);
    bool bInked = false;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int code = font.getSymbol(text, i);
        if (const Skin* glyph = font.getSymbolData(code).pQuad) {
            const ViewBox box = ViewBox::ofSkin(*glyph, V3(penX, penY, 0.0f));
            *ink = bInked ? ink->unitedWith(box) : box;
            bInked = true;
        }
        penX += static_cast<float>(font.getAdvance(code));
    }
    return bInked;
}

bool TextInk::measureShown(const RenderableText& text, ViewBox* ink)
{
    ViewBox unplaced;
    if (!text.isShowing() || !measure(*text.pFont, text.flags, text.text, &unplaced))
        return false;
    *ink = unplaced.placedAt(text.position, text.scale);
    return true;
}
