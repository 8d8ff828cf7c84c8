#pragma once
// Shared by the drawing test programs: every test process gets its own engine
// with an open 640 x 480 window (virtual screen 640 x 480, so one world unit
// on the plane z = 0 is one pixel), its own data folder, and helpers to draw
// through a screen's camera and read the frame buffer back.
#include "ApplicationInfo.h"
#include "Camera.h"
#include "Context.h"
#include "DataFolder.h"
#include "FileManager.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "MemoryImageFile.h"
#include "UColor.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

namespace rendertest {

inline std::string& tempFolder()
{
    static std::string folder;
    return folder;
}

class EngineEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        // A death test's child process inherits its parent's folder.
        if (const char* inherited = std::getenv("KIV_RENDER_TEST_HOME")) {
            tempFolder() = inherited;
        } else {
            char pattern[] = "/tmp/kiv-render-XXXXXX";
            tempFolder() = mkdtemp(pattern);
            setenv("KIV_RENDER_TEST_HOME", tempFolder().c_str(), 1);
            bOwner = true;
        }
        setenv("XDG_DATA_HOME", tempFolder().c_str(), 1);
        const std::string config = getDataFolder() + "/" + APPLICATION_NAME + ".cfg";
        std::ofstream(config) << "[KivGraphics]\nbFullScreen=No\nscreenWidth=640\nscreenHeight=480\n"
                                 "bBilinearFilter=No\n";
        new Kiv();
    }
    void TearDown() override
    {
        delete pKiv;
        if (bOwner)
            [[maybe_unused]] int status = std::system(("rm -rf '" + tempFolder() + "'").c_str());
    }

private:
    bool bOwner = false;
};

// Textures and skin files live in the process's temporary folder; the file
// manager serves them by absolute path.
inline std::vector<UColor> quadrants(int width, int height, UColor topLeft, UColor topRight, UColor bottomLeft,
                                     UColor bottomRight)
{
    std::vector<UColor> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(y < height / 2 ? (x < width / 2 ? topLeft : topRight)
                                            : (x < width / 2 ? bottomLeft : bottomRight));
    return pixels;
}

const UColor RED(255, 0, 0, 255), GREEN(0, 255, 0, 255), BLUE(0, 0, 255, 255), WHITE(255, 255, 255, 255),
    BLACK(0, 0, 0, 255);

// A file in this process's temporary folder.
inline std::string tempPath(const std::string& name)
{
    return tempFolder() + "/" + name;
}

// Writes an uncompressed 32-bit TGA, top row first, from RGBA pixels.
inline void writeTGA(const std::string& path, int width, int height, const std::vector<UColor>& pixels)
{
    std::vector<unsigned char> bytes(18, 0);
    bytes[2] = 2;
    bytes[12] = width & 0xFF;
    bytes[13] = width >> 8;
    bytes[14] = height & 0xFF;
    bytes[15] = height >> 8;
    bytes[16] = 32;
    bytes[17] = 0x28;
    for (const UColor& c : pixels) {
        bytes.push_back(c.b);
        bytes.push_back(c.g);
        bytes.push_back(c.r);
        bytes.push_back(c.a);
    }
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

inline void writeText(const std::string& path, const std::string& text)
{
    std::ofstream(path) << text;
}

// A screen whose camera has loaded the projection; it is the current context
// while it lives. The frame starts cleared to black.
class Screen {
public:
    Screen()
    {
        pKiv->pCurrentContext = &context;
        pKiv->stats = FrameStatistics();
        ++pKiv->frameNumber;
        context.pCamera->tick(0.0, 0.0);
        context.pCamera->render();
        pKiv->pGraphics->loadIdentity();
        pKiv->pGraphics->clear(UColor(0, 0, 0, 255));
    }
    ~Screen() { pKiv->pCurrentContext = nullptr; }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Context context;
};

// The frame buffer, top row first.
inline std::unique_ptr<MemoryImageFile> grab()
{
    bool ok = false;
    std::unique_ptr<MemoryImageFile> image(pKiv->pGraphics->grabScreen(&ok));
    EXPECT_TRUE(ok);
    return image;
}

inline UColor pixelAt(const MemoryImageFile& image, int x, int y)
{
    const unsigned char* p = image.pImageData + (static_cast<size_t>(y) * image.width + x) * 4;
    return UColor(p[0], p[1], p[2], 255);
}

// The display pixel that shows the world point (x, y) on the plane z = 0.
inline UColor worldPixel(const MemoryImageFile& image, float x, float y)
{
    return pixelAt(image, static_cast<int>(x + 320.0f), static_cast<int>(240.0f - y));
}

inline ::testing::AssertionResult sameColor(UColor expected, UColor actual, int tolerance = 0)
{
    auto near = [tolerance](int a, int b) { return a - b <= tolerance && b - a <= tolerance; };
    if (near(expected.r, actual.r) && near(expected.g, actual.g) && near(expected.b, actual.b))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "expected (" << int(expected.r) << ", " << int(expected.g) << ", "
                                         << int(expected.b) << ") got (" << int(actual.r) << ", " << int(actual.g)
                                         << ", " << int(actual.b) << ")";
}

} // namespace rendertest
