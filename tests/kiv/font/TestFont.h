#pragma once
// Fonts made by the tests from painted glyph textures: codes '!' to 255 on
// two textures (the second continuing where the first stopped), four
// escaped symbols from 256 on a third, and the accented letters composed.
// Every glyph texture is 256 x 256 and never scaled.
#include "FontQuad.h"
#include "GlyphTexture.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "ScreenPixels.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

struct TestFont {
    // Declared first so that they outlive the font that draws with them.
    std::vector<std::unique_ptr<Texture>> textures;
    std::unique_ptr<FontQuad> font = std::make_unique<FontQuad>();
};

// widthOf gives the width of the i-th glyph (heights stay 8 to 13).
template <typename WidthOf>
std::unique_ptr<TestFont> makeTestFont(int textureFlags, WidthOf widthOf)
{
    auto result = std::make_unique<TestFont>();
    auto sizes = [&](int first, int count) {
        std::vector<GlyphSize> glyphs;
        for (int i = first; i < first + count; ++i)
            glyphs.push_back({widthOf(i), 8 + (i * 5) % 6});
        return glyphs;
    };
    result->textures.emplace_back(makeGlyphTexture(sizes(0, 94), textureFlags));
    result->textures.emplace_back(makeGlyphTexture(sizes(94, 129), textureFlags));
    result->textures.emplace_back(makeGlyphTexture(sizes(223, 4), textureFlags));
    FontQuad& font = *result->font;
    font.spaceWidth = 5;
    font.defaultSpacing = 1;
    font.accentRaiseUpper = 3;
    font.accentRaiseLower = 3;
    font.addSourceTexture(result->textures[0].get(), 33);
    font.addSourceTexture(result->textures[1].get(), FontQuad::CONTINUE);
    font.addSourceTexture(result->textures[2].get(), 0x100);
    font.setupCompositeChars();
    return result;
}

inline std::unique_ptr<TestFont> makeTestFont(int textureFlags)
{
    return makeTestFont(textureFlags, [](int i) { return 3 + (i * 5) % 7; });
}

// The screen as drawn by draw, over a dark blue background.
template <typename Draw>
std::vector<unsigned char> drawAndGrab(Draw draw)
{
    pKiv->pGraphics->clear(UColor(20, 40, 90, 255));
    draw();
    std::unique_ptr<MemoryImageFile> image = testsupport::grab();
    return std::vector<unsigned char>(image->pImageData,
                                      image->pImageData + static_cast<size_t>(image->width) * image->height * 4);
}

inline int countDifferentPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b)
{
    int count = 0;
    for (size_t i = 0; i + 3 < a.size() && i + 3 < b.size(); i += 4)
        if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2])
            ++count;
    return count + static_cast<int>(a.size() > b.size() ? a.size() - b.size() : b.size() - a.size()) / 4;
}

inline int countDrawnPixels(const std::vector<unsigned char>& screen)
{
    std::vector<unsigned char> blank = drawAndGrab([] {});
    return countDifferentPixels(screen, blank);
}

// Symbol 256 + n as an escape.
inline std::string escaped(int n)
{
    return std::string{'\x1F', '\x80', static_cast<char>(0x80 | n)};
}
