#include "RenderTestSupport.h"

#include "FontGDI.h"
#include "VertexBuffer.h"

#include <GL/gl.h>

#include <sys/stat.h>

namespace {

using namespace rendertest;

bool fileExists(const std::string& path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

void drawHalves()
{
    pKiv->pGraphics->setGlobalRenderState();
    VertexBuffer halves(8);
    const UColor top(250, 0, 0, 255), bottom(0, 0, 250, 255);
    halves.vertices[0] = {0, 0, top, -320, 240, 0};
    halves.vertices[1] = {0, 0, top, 320, 240, 0};
    halves.vertices[2] = {0, 0, top, -320, 0, 0};
    halves.vertices[3] = {0, 0, top, 320, 0, 0};
    halves.vertices[4] = {0, 0, bottom, -320, 0, 0};
    halves.vertices[5] = {0, 0, bottom, 320, 0, 0};
    halves.vertices[6] = {0, 0, bottom, -320, -240, 0};
    halves.vertices[7] = {0, 0, bottom, 320, -240, 0};
    halves.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 0, 4);
    halves.draw(nullptr, VertexBuffer::TRIANGLE_STRIP, 4, 4);
}

TEST(Screenshot, JpegIsWrittenTopRowFirst)
{
    drawHalves();
    const std::string path = tempPath("shot.jpg");
    pKiv->pGraphics->saveScreenshot(path);
    MemoryImageFile shot(path, false);
    EXPECT_EQ(640, shot.width);
    EXPECT_EQ(480, shot.height);
    EXPECT_FALSE(shot.hasAlpha);
    EXPECT_TRUE(sameColor(UColor(250, 0, 0, 255), pixelAt(shot, 20, 20), 12));
    EXPECT_TRUE(sameColor(UColor(0, 0, 250, 255), pixelAt(shot, 600, 460), 12));
}

TEST(Screenshot, NameWithoutAKnownExtensionWritesNothing)
{
    drawHalves();
    pKiv->pGraphics->saveScreenshot(tempPath("shot.png"));
    EXPECT_FALSE(fileExists(tempPath("shot.png")));
    pKiv->pGraphics->saveScreenshot(tempPath("shot.JPG"));
    EXPECT_FALSE(fileExists(tempPath("shot.JPG"))) << "the extension is matched with its case";
}

TEST(Screenshot, NothingIsSavedWithoutADisplay)
{
    KivGraphics& g = *pKiv->pGraphics;
    SDL_Surface* surface = g.surfaceHandle;
    g.surfaceHandle = nullptr;
    g.saveScreenshot(tempPath("crash.jpg"));
    g.surfaceHandle = surface;
    EXPECT_FALSE(fileExists(tempPath("crash.jpg")));
}

TEST(Screenshot, GrabFlipsRowsTopFirst)
{
    drawHalves();
    auto image = grab();
    EXPECT_TRUE(sameColor(UColor(250, 0, 0, 255), pixelAt(*image, 0, 0)));
    EXPECT_TRUE(sameColor(UColor(250, 0, 0, 255), pixelAt(*image, 0, 239)));
    EXPECT_TRUE(sameColor(UColor(0, 0, 250, 255), pixelAt(*image, 0, 240)));
    EXPECT_TRUE(sameColor(UColor(0, 0, 250, 255), pixelAt(*image, 639, 479)));
}

struct LitBox {
    int left = 9999, top = 9999, right = -1, bottom = -1, count = 0;
};

LitBox printAndMeasure(int x, int y, const char* text)
{
    pKiv->pGraphics->setGlobalRenderState();
    pKiv->pGraphics->clear(UColor(0, 0, 0, 255));
    pKiv->pFontGDI->printf(x, y, "%s", text);
    auto image = grab();
    LitBox box;
    for (int row = 0; row < image->height; ++row) {
        for (int column = 0; column < image->width; ++column) {
            if (pixelAt(*image, column, row).r < 128)
                continue;
            ++box.count;
            box.left = std::min(box.left, column);
            box.right = std::max(box.right, column);
            box.top = std::min(box.top, row);
            box.bottom = std::max(box.bottom, row);
        }
    }
    return box;
}

TEST(DebugFont, TextStartsAtItsTopLeftPixel)
{
    const LitBox abc = printAndMeasure(0, 0, "ABC");
    EXPECT_GT(abc.count, 0);
    EXPECT_EQ(0, abc.left);
    EXPECT_LE(abc.right, 10);
    EXPECT_EQ(0, abc.top);
    EXPECT_EQ(6, abc.bottom) << "capitals fill rows 2 to 8 of the glyph box";
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    float modelView[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
    EXPECT_FLOAT_EQ(1.0f, modelView[0]);
    EXPECT_FLOAT_EQ(0.0f, modelView[12]);
    const LitBox lower = printAndMeasure(100, 200, "gy");
    EXPECT_EQ(100, lower.left);
    EXPECT_EQ(200 + 8, lower.bottom) << "descenders reach the glyph box's bottom row";
}

TEST(DebugFont, SpecialBytes)
{
    EXPECT_EQ(0, printAndMeasure(10, 10, "").count);
    const LitBox high = printAndMeasure(10, 10, "\xE9");
    EXPECT_EQ(10, high.left);
    EXPECT_EQ(13, high.right) << "bytes of 128 or more show the 4 pixel replacement glyph";
    const LitBox twoHigh = printAndMeasure(10, 10, "\xE9\xFC");
    EXPECT_EQ(10 + 5 + 3, twoHigh.right) << "each advancing 5";
    const LitBox newline = printAndMeasure(10, 10, "\n");
    EXPECT_EQ(1, newline.count) << "a line break is the one-dot glyph of code 10";
    EXPECT_EQ(0, printAndMeasure(-20, 10, "ABC").count) << "a start outside the display draws nothing";
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST(DebugFont, GlyphsStayInsideTheirBoxes)
{
    for (int code = 0; code < FontGDI::CODE_COUNT; ++code) {
        const uint8_t* rows = FontGDI::glyphRows(code);
        const int width = FontGDI::glyphWidth(code);
        const uint8_t outside = static_cast<uint8_t>(0xFF >> width);
        for (int row = 0; row < FontGDI::GLYPH_HEIGHT; ++row)
            EXPECT_EQ(0, rows[row] & outside) << "code " << code << " row " << row;
    }
    for (int code : {'A', 'M', 'Z', 'a', 'k', '0', '9', '['}) {
        const uint8_t* rows = FontGDI::glyphRows(code);
        EXPECT_EQ(0, rows[0] | rows[1]) << static_cast<char>(code) << " has no descender";
        EXPECT_NE(0, rows[8] | rows[7] | rows[6] | rows[5] | rows[4] | rows[3] | rows[2]);
    }
    for (int code : {'g', 'j', 'p', 'q', 'y'})
        EXPECT_NE(0, FontGDI::glyphRows(code)[0] | FontGDI::glyphRows(code)[1]) << static_cast<char>(code);
    struct Width {
        int code, width;
    };
    for (const Width& w : {Width{0, 1}, Width{32, 2}, Width{77, 5}, Width{81, 4}, Width{105, 1}, Width{127, 4}})
        EXPECT_EQ(w.width, FontGDI::glyphWidth(w.code)) << w.code;
}

} // namespace
