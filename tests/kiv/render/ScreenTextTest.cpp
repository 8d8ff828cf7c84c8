#include "RenderTestSupport.h"

#include "FontGDI.h"
#include "VertexBuffer.h"

#include <GL/gl.h>

namespace {

using namespace rendertest;

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

struct LitBox { int left = 9999, top = 9999, right = -1, bottom = -1, count = 0; };

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

} // namespace
