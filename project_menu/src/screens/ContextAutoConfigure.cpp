#include "ContextAutoConfigure.h"

#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Logger.h"
#include "Renderable.h"
#include "ResourceManager.h"
#include "Skin.h"

namespace {

const int RESOLUTION_SIZES[][2] = {{320, 240}, {640, 480}, {800, 600}, {1024, 768}};

} // namespace

ContextAutoConfigure::ContextAutoConfigure()
{
    bDeleteWhenFinished = true;
    clearColor = UColor(0, 0, 0, 255);
    pPicture = new Renderable();
    // The picture's origin is its top-left corner.
    Skin* skin = pKiv->pResourceManager->findAs<Skin>("autoConfigure:0");
    pPicture->pSkin = skin;
    pPicture->position = V3(-skin->width / 2.0f, skin->height / 2.0f, 0.0f);
    pPicture->updateVisuals();
    addChildLast(pPicture);
}

void ContextAutoConfigure::tickContents(double time, double frameDt)
{
    Context::tickContents(time, frameDt);
    if (!bChecked) {
        bChecked = true;
        checkDisplaySettings();
    }
    if (time >= SHOW_TIME)
        bFinished = true;
}

void ContextAutoConfigure::getResolutionSize(int resolution, int& width, int& height)
{
    const int index = resolution >= 0 && resolution <= LAST_RESOLUTION ? resolution : FIRST_RESOLUTION;
    width = RESOLUTION_SIZES[index][0];
    height = RESOLUTION_SIZES[index][1];
}

bool ContextAutoConfigure::adoptMode(bool shownFullScreen, int shownWidth, int shownHeight, int& resolution,
                                     bool& fullScreen)
{
    int width = 0, height = 0;
    getResolutionSize(resolution, width, height);
    if (shownFullScreen == fullScreen && shownWidth == width && shownHeight == height)
        return false;
    int fitting = FIRST_RESOLUTION;
    for (int index = FIRST_RESOLUTION; index <= LAST_RESOLUTION; ++index)
        if (RESOLUTION_SIZES[index][0] <= shownWidth && RESOLUTION_SIZES[index][1] <= shownHeight)
            fitting = index;
    const bool changed = fitting != resolution || shownFullScreen != fullScreen;
    resolution = fitting;
    fullScreen = shownFullScreen;
    return changed;
}

bool ContextAutoConfigure::checkDisplaySettings()
{
    HSTdata& settings = pGlobal->hst;
    bool fullScreen = settings.bFullScreen;
    int width = 0, height = 0;
    getResolutionSize(settings.resolution, width, height);
    pKiv->pGraphics->calcClosestMatchParameters(fullScreen, width, height);
    if (!adoptMode(fullScreen, width, height, settings.resolution, settings.bFullScreen))
        return false;
    getResolutionSize(settings.resolution, width, height);
    KIV_LOG("Display settings changed to %dx%d, %s.", width, height,
            settings.bFullScreen ? "full screen" : "windowed");
    pGlobal->applySettings();
    return true;
}
