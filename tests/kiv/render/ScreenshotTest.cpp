#include "RenderTestSupport.h"

#include "Renderable.h"
#include "Texture.h"

namespace {

using namespace rendertest;

TEST(Screenshot, JpegIsWrittenTopRowFirst)
{
    const std::string image = tempPath("halves.tga");
    writeTGA(image, 64, 64, quadrants(64, 64, RED, RED, BLUE, BLUE));
    Texture texture(image, 0);
    Screen screen;
    screen.draw(texture.skins[0], V3(10.0f, 7.5f, 1.0f));
    const std::string path = tempPath("shot.jpg");
    pKiv->pGraphics->saveScreenshot(path);
    MemoryImageFile shot(path, false);
    EXPECT_EQ(640, shot.width);
    EXPECT_EQ(480, shot.height);
    EXPECT_FALSE(shot.hasAlpha);
    EXPECT_TRUE(sameColor(RED, pixelAt(shot, 20, 20), 12));
    EXPECT_TRUE(sameColor(BLUE, pixelAt(shot, 600, 460), 12));
}

} // namespace
