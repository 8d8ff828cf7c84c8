#include "FontGDI.h"

#include "Kiv.h"
#include "KivGraphics.h"
#include "Logger.h"
#include "UString.h"

#include <GL/gl.h>

#include <array>
#include <cstdarg>

namespace {

KivBase* createFontGDI()
{
    return new FontGDI();
}

const int32_t WIDTHS[FontGDI::CODE_COUNT] = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, // 0-31
    2, 1, 3, 5, 5, 5, 5, 2, 2, 2, 5, 3, 2, 3, 1, 5,                                                 // 32-47
    3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 1, 2, 4, 3, 4, 3,                                                 // 48-63
    4, 3, 3, 3, 3, 3, 3, 3, 3, 1, 3, 4, 3, 5, 4, 3,                                                 // 64-79
    3, 4, 3, 3, 3, 3, 3, 5, 3, 3, 3, 2, 5, 2, 5, 3,                                                 // 80-95
    2, 3, 3, 3, 3, 3, 2, 3, 3, 1, 2, 3, 2, 5, 3, 3,                                                 // 96-111
    3, 4, 3, 3, 2, 3, 3, 5, 3, 3, 3, 3, 1, 3, 4, 4,                                                 // 112-127
};

// Each glyph drawn top row first, rows separated by spaces, '#' a lit pixel.
// Letters and digits use the seven upper rows; the two rows below them hold
// the descenders. Missing rows at the bottom are empty.
const char* const ART[FontGDI::CODE_COUNT] = {
    // 0-31: control codes show a single dot.
    ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #",
    ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #",
    ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #",
    ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #",
    ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #", ". . . . . . #",
    ". . . . . . #", ". . . . . . #",
    "",                                                   // 32 space
    "# # # # # . #",                                      // 33 !
    "#.# #.#",                                            // 34 "
    ".#.#. ##### .#.#. .#.#. ##### .#.#.",                // 35 #
    "..#.. .#### #.#.. .###. ..#.# ####. ..#..",          // 36 $
    "##... ##..# ...#. ..#.. .#... #..## ...##",          // 37 %
    ".##.. #..#. .##.. .#... #.#.# #..#. .##.#",          // 38 &
    ".# #.",                                              // 39 '
    ".# #. #. #. #. #. .#",                               // 40 (
    "#. .# .# .# .# .# #.",                               // 41 )
    "..... #.#.# .###. ##### .###. #.#.#",                // 42 *
    "... ... .#. ### .#.",                                // 43 +
    ".. .. .. .. .. .# .# #.",                            // 44 ,
    "... ... ... ###",                                    // 45 -
    ". . . . . . #",                                      // 46 .
    "....# ...#. ...#. ..#.. .#... .#... #....",          // 47 /
    "### #.# #.# #.# #.# #.# ###",                        // 48 0
    ".#. ##. .#. .#. .#. .#. ###",                        // 49 1
    "### ..# ..# ### #.. #.. ###",                        // 50 2
    "### ..# ..# .## ..# ..# ###",                        // 51 3
    "#.# #.# #.# ### ..# ..# ..#",                        // 52 4
    "### #.. #.. ### ..# ..# ###",                        // 53 5
    "### #.. #.. ### #.# #.# ###",                        // 54 6
    "### ..# ..# .#. .#. #.. #..",                        // 55 7
    "### #.# #.# ### #.# #.# ###",                        // 56 8
    "### #.# #.# ### ..# ..# ###",                        // 57 9
    ". . # . . # .",                                      // 58 :
    ".. .. .# .. .. .# .# #.",                            // 59 ;
    "...# ..#. .#.. #... .#.. ..#. ...#",                 // 60 <
    "... ... ### ... ###",                                // 61 =
    "#... .#.. ..#. ...# ..#. .#.. #...",                 // 62 >
    "### ..# ..# .## .#. ... .#.",                        // 63 ?
    ".##. #..# #.## #.## #.## #... .###",                 // 64 @
    ".#. #.# #.# ### #.# #.# #.#",                        // 65 A
    "##. #.# #.# ##. #.# #.# ##.",                        // 66 B
    ".## #.. #.. #.. #.. #.. .##",                        // 67 C
    "##. #.# #.# #.# #.# #.# ##.",                        // 68 D
    "### #.. #.. ##. #.. #.. ###",                        // 69 E
    "### #.. #.. ##. #.. #.. #..",                        // 70 F
    ".## #.. #.. #.# #.# #.# .##",                        // 71 G
    "#.# #.# #.# ### #.# #.# #.#",                        // 72 H
    "# # # # # # #",                                      // 73 I
    "..# ..# ..# ..# ..# #.# .#.",                        // 74 J
    "#..# #.#. ##.. ##.. #.#. #..# #..#",                 // 75 K
    "#.. #.. #.. #.. #.. #.. ###",                        // 76 L
    "#...# ##.## #.#.# #.#.# #...# #...# #...#",          // 77 M
    "#..# ##.# ##.# #.## #.## #..# #..#",                 // 78 N
    ".#. #.# #.# #.# #.# #.# .#.",                        // 79 O
    "##. #.# #.# ##. #.. #.. #..",                        // 80 P
    ".#.. #.#. #.#. #.#. #.#. #.#. .#.#",                 // 81 Q
    "##. #.# #.# ##. #.# #.# #.#",                        // 82 R
    ".## #.. #.. .#. ..# ..# ##.",                        // 83 S
    "### .#. .#. .#. .#. .#. .#.",                        // 84 T
    "#.# #.# #.# #.# #.# #.# ###",                        // 85 U
    "#.# #.# #.# #.# #.# #.# .#.",                        // 86 V
    "#...# #...# #...# #.#.# #.#.# ##.## #...#",          // 87 W
    "#.# #.# #.# .#. #.# #.# #.#",                        // 88 X
    "#.# #.# #.# .#. .#. .#. .#.",                        // 89 Y
    "### ..# ..# .#. #.. #.. ###",                        // 90 Z
    "## #. #. #. #. #. ##",                               // 91 [
    "#.... .#... .#... ..#.. ...#. ...#. ....#",          // 92 backslash
    "## .# .# .# .# .# ##",                               // 93 ]
    "..#.. .#.#. #...#",                                  // 94 ^
    "... ... ... ... ... ... ###",                        // 95 _
    "#. .#",                                              // 96 `
    "... ... .## ..# .## #.# .##",                        // 97 a
    "#.. #.. ##. #.# #.# #.# ##.",                        // 98 b
    "... ... .## #.. #.. #.. .##",                        // 99 c
    "..# ..# .## #.# #.# #.# .##",                        // 100 d
    "... ... .#. #.# ### #.. .##",                        // 101 e
    ".# #. ## #. #. #. #.",                               // 102 f
    "... ... .## #.# #.# #.# .## ..# ##.",                // 103 g
    "#.. #.. ##. #.# #.# #.# #.#",                        // 104 h
    "# . # # # # #",                                      // 105 i
    ".# .. .# .# .# .# .# .# #.",                         // 106 j
    "#.. #.. #.# ##. #.. ##. #.#",                        // 107 k
    "#. #. #. #. #. #. .#",                               // 108 l
    "..... ..... ####. #.#.# #.#.# #.#.# #.#.#",          // 109 m
    "... ... ##. #.# #.# #.# #.#",                        // 110 n
    "... ... .#. #.# #.# #.# .#.",                        // 111 o
    "... ... ##. #.# #.# #.# ##. #.. #..",                // 112 p
    ".... .... .##. #.#. #.#. #.#. .##. ..#. ..##",       // 113 q
    "... ... #.# ##. #.. #.. #..",                        // 114 r
    "... ... .## #.. .#. ..# ##.",                        // 115 s
    "#. #. ## #. #. #. .#",                               // 116 t
    "... ... #.# #.# #.# #.# .##",                        // 117 u
    "... ... #.# #.# #.# #.# .#.",                        // 118 v
    "..... ..... #...# #...# #.#.# #.#.# .#.#.",          // 119 w
    "... ... #.# #.# .#. #.# #.#",                        // 120 x
    "... ... #.# #.# #.# #.# .## ..# ##.",                // 121 y
    "... ... ### ..# .#. #.. ###",                        // 122 z
    "..# .#. .#. #.. .#. .#. ..#",                        // 123 {
    "# # # # # # #",                                      // 124 |
    "#.. .#. .#. ..# .#. .#. #..",                        // 125 }
    ".... .... .#.# #.#.",                                // 126 ~
    "#### #..# #..# #..# #..# #..# ####",                 // 127 replacement
};

using GlyphTable = std::array<std::array<uint8_t, FontGDI::GLYPH_HEIGHT>, FontGDI::CODE_COUNT>;

GlyphTable buildGlyphs()
{
    GlyphTable table{};
    for (int code = 0; code < FontGDI::CODE_COUNT; ++code) {
        int row = FontGDI::GLYPH_HEIGHT - 1;
        int column = 0;
        for (const char* c = ART[code]; *c && row >= 0; ++c) {
            if (*c == ' ') {
                --row;
                column = 0;
                continue;
            }
            if (*c == '#')
                table[code][row] |= static_cast<uint8_t>(0x80 >> column);
            ++column;
        }
    }
    return table;
}

const GlyphTable& glyphs()
{
    static const GlyphTable table = buildGlyphs();
    return table;
}

}

KIV_IMPLEMENT_CLASS(FontGDI, KivBase, createFontGDI);

FontGDI::FontGDI()
{
    KIV_LOG("Starting...");
    glyphs();
    KIV_LOG("Started.");
}

FontGDI::~FontGDI() = default;

void FontGDI::onKIVmodeChange(int, int)
{
}

int FontGDI::glyphWidth(int code)
{
    return WIDTHS[code];
}

const uint8_t* FontGDI::glyphRows(int code)
{
    return glyphs()[code].data();
}

void FontGDI::printf(int x, int y, const char* format, ...)
{
    UString text;
    va_list args;
    va_start(args, format);
    vformatInto(text, format, args);
    va_end(args);
    KivGraphics* pGraphics = pKiv->pGraphics;
    pGraphics->loadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glDisable(GL_TEXTURE_2D);
    const int screenWidth = pGraphics->screenWidth, screenHeight = pGraphics->screenHeight;
    const int rasterX = ((x - screenWidth / 2) * pGraphics->fovWidth) / screenWidth;
    const int rasterY = ((screenHeight / 2 - y - GLYPH_HEIGHT) * pGraphics->fovHeight) / screenHeight;
    glRasterPos2i(rasterX, rasterY);
    for (unsigned char byte : text) {
        const int code = byte < CODE_COUNT ? byte : CODE_COUNT - 1;
        const float width = static_cast<float>(WIDTHS[code]);
        glBitmap(WIDTHS[code], GLYPH_HEIGHT, 0.0f, 0.0f, width + 1.0f, 0.0f, glyphRows(code));
    }
    glEnable(GL_TEXTURE_2D);
}
