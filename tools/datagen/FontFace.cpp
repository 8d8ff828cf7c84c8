#include "FontFace.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <stdexcept>

struct FontFace::Impl {
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    cairo_font_face_t* pCairoFace = nullptr;
};

FontFace::FontFace(const std::string& fontFile) : pImpl(new Impl) {
    if (FT_Init_FreeType(&pImpl->library) != 0) {
        delete pImpl;
        throw std::runtime_error("could not start FreeType");
    }
    if (FT_New_Face(pImpl->library, fontFile.c_str(), 0, &pImpl->face) != 0) {
        FT_Done_FreeType(pImpl->library);
        delete pImpl;
        throw std::runtime_error("could not open font " + fontFile);
    }
}

FontFace::~FontFace() {
    if (pImpl->pCairoFace)
        cairo_font_face_destroy(pImpl->pCairoFace);
    FT_Done_Face(pImpl->face);
    FT_Done_FreeType(pImpl->library);
    delete pImpl;
}

void FontFace::setPixelSize(int pixels) { FT_Set_Pixel_Sizes(pImpl->face, 0, static_cast<FT_UInt>(pixels)); }

FontFace::Metrics FontFace::getMetrics() const {
    Metrics m;
    m.ascender = static_cast<int>((pImpl->face->size->metrics.ascender + 63) >> 6);
    m.descender = static_cast<int>((-pImpl->face->size->metrics.descender + 63) >> 6);
    return m;
}

bool FontFace::renderGlyph(uint32_t codePoint, Glyph& glyph) const {
    const FT_UInt index = FT_Get_Char_Index(pImpl->face, codePoint);
    if (index == 0)
        return false;
    if (FT_Load_Glyph(pImpl->face, index, FT_LOAD_RENDER | FT_LOAD_TARGET_LIGHT) != 0)
        return false;
    const FT_GlyphSlot slot = pImpl->face->glyph;
    const FT_Bitmap& bitmap = slot->bitmap;
    // FreeType's bitmap may keep empty rows and columns at its edges (after
    // hinting, for instance): cut them off, so that the box is the ink's.
    const int rows = static_cast<int>(bitmap.rows), columns = static_cast<int>(bitmap.width);
    int x0 = columns, y0 = rows, x1 = 0, y1 = 0;
    for (int y = 0; y < rows; ++y)
        for (int x = 0; x < columns; ++x)
            if (bitmap.buffer[y * bitmap.pitch + x]) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x + 1);
                y1 = std::max(y1, y + 1);
            }
    glyph.width = std::max(0, x1 - x0);
    glyph.height = std::max(0, y1 - y0);
    glyph.left = slot->bitmap_left + (glyph.width ? x0 : 0);
    glyph.top = slot->bitmap_top - (glyph.height ? y0 : 0);
    glyph.advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph.coverage.assign(static_cast<size_t>(glyph.width) * glyph.height, 0);
    for (int y = 0; y < glyph.height; ++y)
        for (int x = 0; x < glyph.width; ++x)
            glyph.coverage[static_cast<size_t>(y) * glyph.width + x] = bitmap.buffer[(y0 + y) * bitmap.pitch + x0 + x];
    return true;
}

cairo_font_face_t* FontFace::cairoFace() {
    if (!pImpl->pCairoFace)
        pImpl->pCairoFace = cairo_ft_font_face_create_for_ft_face(pImpl->face, 0);
    return pImpl->pCairoFace;
}
