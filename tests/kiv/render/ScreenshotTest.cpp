#include "RenderTestSupport.h"

#include "VertexBuffer.h"

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

} // namespace
