#include "RenderTestSupport.h"

#include "DataFolder.h"
#include "FileSizeLimit.h"
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
    UString error;
    ASSERT_TRUE(pKiv->pGraphics->saveScreenshot(path, error)) << error;
    MemoryImageFile shot(path, false);
    EXPECT_EQ(640, shot.width);
    EXPECT_EQ(480, shot.height);
    EXPECT_FALSE(shot.hasAlpha);
    EXPECT_TRUE(sameColor(RED, pixelAt(shot, 20, 20), 12));
    EXPECT_TRUE(sameColor(BLUE, pixelAt(shot, 600, 460), 12));
}

// The screenshot key's shot, when the file cannot be written whole: no file
// is left at its name and the log says why, never that it was saved.
TEST(Screenshot, OneThatCannotBeWrittenLeavesNoFileAndSaysWhy)
{
    // Noise over the whole screen: a JPEG far larger than the limit below.
    const std::string image = tempPath("noise.tga");
    writeTGA(image, 512, 512, testsupport::paint(512, 512, [](int x, int y) {
        const unsigned mixed = (static_cast<unsigned>(x) * 73856093u ^ static_cast<unsigned>(y) * 19349663u) * 2654435761u;
        return UColor(mixed >> 24, mixed >> 16, mixed >> 8, 255);
    }));
    Texture texture(image, 0);
    Context screen;
    Renderable* noise = new Renderable();
    noise->pSkin = texture.skins[0];
    noise->scale = V3(1.25f, 1.25f, 1.0f);
    noise->updateVisuals();
    screen.add(noise);

    const std::string shot = getDataFolder() + "/Glimmerdaledemo-0001.jpg";
    ASSERT_FALSE(std::filesystem::exists(shot));
    const std::string logPath = Kiv::getLogPath();
    {
        // Room for the log's next lines, not for the shot.
        const FileSizeLimit limit(std::filesystem::file_size(logPath) + 4096);
        pKiv->requestScreenshot();
        pKiv->frame(&screen);
    }
    EXPECT_FALSE(std::filesystem::exists(shot));
    const std::string log = readWholeFile(logPath);
    EXPECT_NE(log.find("Screenshot '" + shot + "' could not be written: writing failed (File too large)."),
              std::string::npos)
        << log;
    EXPECT_EQ(log.find("Screenshot saved as"), std::string::npos) << log;
}

} // namespace
