#pragma once
// Shared by the drawing test programs: every test process gets its own engine
// with an open 640 x 480 window (virtual screen 640 x 480, so one world unit
// on the plane z = 0 is one pixel), its own data folder, and helpers to draw
// through a screen's camera and read the frame buffer back.
#include "Camera.h"
#include "Context.h"
#include "FileManager.h"
#include "Renderable.h"
#include "ScreenPixels.h"
#include "TgaImage.h"
#include "WholeFile.h"
#include "WindowedEngine.h"

namespace rendertest {

using testsupport::grab;
using testsupport::pixelAt;
using testsupport::pixelShows;
using testsupport::sameColor;
using testsupport::worldPixel;
using testsupport::writeTGA;

// Drawing tests compare exact texels, so textures are not filtered.
class EngineEnvironment : public WindowedEngine {
public:
    EngineEnvironment() : WindowedEngine("bBilinearFilter=No\n") {}
};

// Textures and skin files live in the process's temporary folder; the file
// manager serves them by absolute path.
inline std::vector<UColor> quadrants(int width, int height, UColor topLeft, UColor topRight, UColor bottomLeft,
                                     UColor bottomRight)
{
    return testsupport::paint(width, height, [=](int x, int y) {
        return y < height / 2 ? (x < width / 2 ? topLeft : topRight) : (x < width / 2 ? bottomLeft : bottomRight);
    });
}

const UColor RED(255, 0, 0, 255), GREEN(0, 255, 0, 255), BLUE(0, 0, 255, 255), WHITE(255, 255, 255, 255),
    BLACK(0, 0, 0, 255);

// A file in this process's temporary folder.
inline std::string tempPath(const std::string& name)
{
    return WindowedEngine::home() + "/" + name;
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

    // Draws the skin centred on the origin at the scale.
    void draw(Skin* skin, V3 scale = V3(1.0f, 1.0f, 1.0f))
    {
        Renderable r;
        r.pSkin = skin;
        r.scale = scale;
        r.updateVisuals();
        r.render();
    }
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    Context context;
};

} // namespace rendertest
