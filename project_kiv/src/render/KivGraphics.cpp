#include "KivGraphics.h"

#include "ApplicationInfo.h"
#include "Camera.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivObserver.h"
#include "Logger.h"
#include "Matrix.h"
#include "MemoryImageFile.h"
#include "MemoryIniFile.h"
#include "NumberedFile.h"
#include "ProgramEnd.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <unistd.h>

KIV_IMPLEMENT_ROOT_CLASS(KivGraphics, nullptr);

namespace {
const Uint32 LIST_FLAGS = SDL_FULLSCREEN | SDL_ANYFORMAT | SDL_OPENGL;
const int WINDOW_SIZES[5][2] = {{320, 240}, {512, 384}, {640, 480}, {800, 600}, {1024, 768}};
const int SCREENSHOT_QUALITY = 60;
// Sizes of the virtual screen and of the window the configuration may ask
// for: from the smallest display mode to what a desktop holds.
const int MIN_WIDTH = 320;
const int MIN_HEIGHT = 240;
const int MAX_WIDTH = 8192;
const int MAX_HEIGHT = 8192;
// OpenGL keeps one flag per kind of error, a handful at most; a lost context
// may answer with an error on every call, so clearing them stops here.
const int MOST_STALE_GL_ERRORS = 16;

const char* modeName(bool fullScreen)
{
    return fullScreen ? "fullscreen" : "windowed";
}

// A screenshot saved under fileName, from the pixels read from the screen.
void tellSaved(const UString& fileName, const MemoryImageFile& image)
{
    if (pKiv && pKiv->pObserver)
        pKiv->pObserver->onFileSaved(fileName, image.pImageData, static_cast<size_t>(image.width) * image.height * 4);
}
}

KivGraphics::KivGraphics()
{
    KIV_LOG("Starting...");
    readInt("fovWidth", fovWidth, 640, MIN_WIDTH, MAX_WIDTH);
    readInt("fovHeight", fovHeight, 480, MIN_HEIGHT, MAX_HEIGHT);
    readInt("screenWidth", screenWidth, 640, MIN_WIDTH, MAX_WIDTH);
    readInt("screenHeight", screenHeight, 480, MIN_HEIGHT, MAX_HEIGHT);
    readBool("bFullScreen", bFullScreen, true);
    readBool("bBilinearFilter", bBilinearFilter, true);
    readBool("bUseReferenceDevice", bUseReferenceDevice, false);
    readBool("bUseHardwareTL", bUseHardwareTL, true);
    readBool("bUseVSync", bUseVSync, false);
    readBool("bEnableFontCache", bEnableFontCache, true);
    readBool("bBrokenAlphaOp", bBrokenAlphaOp, false);
    readBool("bTFACTORSupport", bTFACTORSupport, false);
    readBool("bSimulate256x256TextureHW", bSimulate256x256TextureHW, true);
    aspectRatio = static_cast<float>(fovHeight) / static_cast<float>(fovWidth);

    SDL_WM_SetCaption(APPLICATION_NAME, APPLICATION_NAME);

    KIV_LOG("Desktop SDL_GetVideoInfo():");
    const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
    desktopWidth = desktop->current_w;
    desktopHeight = desktop->current_h;
    dumpVideoInfo(desktop);

    KIV_LOG("Available fullscreen resolutions:");
    const VideoModeList modes = listFullScreenModes(desktop);
    if (modes.bAnySize) {
        KIV_LOG("\tAll resolutions are supported.");
    } else if (modes.sizes.empty()) {
        KIV_LOG("\tNo resolutions are supported, reverting to windowed mode.");
        bFullScreen = false;
    } else {
        for (const auto& size : modes.sizes)
            KIV_LOG("\tFound: %dx%d", size.first, size.second);
    }

    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    restorePresentation();

    KIV_LOG("Created SDL_GetVideoInfo():");
    dumpVideoInfo(SDL_GetVideoInfo());
    KIV_LOG("OpenGL GL_VENDOR: %s", reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
    KIV_LOG("OpenGL GL_RENDERER: %s", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    KIV_LOG("OpenGL GL_VERSION: %s", reinterpret_cast<const char*>(glGetString(GL_VERSION)));
    KIV_LOG("OpenGL GL_EXTENSIONS: %s", reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS)));
    KIV_LOG("Started.");
}

KivGraphics::~KivGraphics()
{
    storeSettings();
    // The window the teardown returns to is no choice of the player's. The
    // display can go while the teardown talks to it (a logout during slow
    // exit saves), and its loss saves the configuration then: what it
    // stores must still be the choices kept here.
    bSettingsFrozen = true;
    if (bFullScreen) {
        bFullScreen = false;
        restorePresentation();
    }
}

void KivGraphics::storeSettings() const
{
    if (bSettingsFrozen || !pKiv || !pKiv->pConfig)
        return;
    const UString& section = classRecord.name;
    pKiv->pConfig->setInt(section, "screenWidth", screenWidth);
    pKiv->pConfig->setInt(section, "screenHeight", screenHeight);
    pKiv->pConfig->setBool(section, "bFullScreen", bFullScreen);
    pKiv->pConfig->setBool(section, "bBilinearFilter", bBilinearFilter);
    pKiv->pConfig->setBool(section, "bUseVSync", bUseVSync);
}

void KivGraphics::readInt(const char* key, int& field, int defaultValue, int low, int high)
{
    field = pKiv && pKiv->pConfig ? pKiv->pConfig->readIntInRange(classRecord.name, key, defaultValue, low, high)
                                  : defaultValue;
}

void KivGraphics::readBool(const char* key, bool& field, bool defaultValue)
{
    field = pKiv && pKiv->pConfig ? pKiv->pConfig->readBool(classRecord.name, key, defaultValue) : defaultValue;
}

KivGraphics::VideoModeList KivGraphics::listFullScreenModes(const SDL_VideoInfo* info)
{
    VideoModeList list;
    SDL_Rect** modes = SDL_ListModes(info->vfmt, LIST_FLAGS);
    if (modes == reinterpret_cast<SDL_Rect**>(-1)) {
        list.bAnySize = true;
    } else if (modes) {
        for (int i = 0; modes[i]; ++i)
            list.sizes.emplace_back(modes[i]->w, modes[i]->h);
    }
    return list;
}

void KivGraphics::calcClosestMatchParameters(bool& fullScreen, int& width, int& height)
{
    VideoModeList modes;
    if (fullScreen)
        modes = listFullScreenModes(SDL_GetVideoInfo());
    matchMode(modes, desktopWidth, desktopHeight, fullScreen, width, height);
}

void KivGraphics::matchMode(const VideoModeList& modes, int desktopW, int desktopH, bool& fullScreen, int& width,
                            int& height)
{
    const char* const label = "calcClosestMatchParameters";
    kivLog(label, "Requested mode %dx%d, %s.", width, height, modeName(fullScreen));
    int resultWidth = width;
    int resultHeight = height;
    bool bWindow = !fullScreen;
    int windowWidth = width;
    if (fullScreen) {
        if (modes.bAnySize) {
            // The display takes any size, so the request itself is the answer.
            kivLog(label, "All resolutions are supported?!");
        } else if (modes.sizes.empty()) {
            kivLog(label, "No fullscreen modes found, reverting to windowed mode.");
            bWindow = true;
            windowWidth = WINDOW_SIZES[4][0] + 1;
        } else {
            int smallestWidth = 99999, smallestHeight = 0;
            int bestWidth = 0, bestHeight = 0;
            for (const auto& size : modes.sizes) {
                if (size.first < smallestWidth) {
                    smallestWidth = size.first;
                    smallestHeight = size.second;
                }
                if (size.first <= width && size.second <= height && size.first >= bestWidth &&
                    size.second >= bestHeight) {
                    bestWidth = size.first;
                    bestHeight = size.second;
                }
            }
            if (bestWidth > 0) {
                resultWidth = bestWidth;
                resultHeight = bestHeight;
            } else {
                resultWidth = smallestWidth;
                resultHeight = smallestHeight;
            }
        }
    }
    if (bWindow) {
        int entry = 0;
        for (int i = 0; i < 5; ++i)
            if (WINDOW_SIZES[i][0] <= windowWidth)
                entry = i;
        while (entry > 0 && !(WINDOW_SIZES[entry][0] < desktopW && WINDOW_SIZES[entry][1] < desktopH))
            --entry;
        resultWidth = WINDOW_SIZES[entry][0];
        resultHeight = WINDOW_SIZES[entry][1];
    }
    fullScreen = !bWindow;
    width = resultWidth;
    height = resultHeight;
    kivLog(label, "Best mode found %dx%d, %s.", width, height, modeName(fullScreen));
}

void KivGraphics::dumpVideoInfo(const SDL_VideoInfo* info) const
{
    if (!pKiv || !pKiv->pLogger)
        return;
    Logger& log = *pKiv->pLogger;
    const SDL_PixelFormat* f = info->vfmt;
    log.log("\t%s: %d", "info->hw_available", static_cast<int>(info->hw_available));
    log.log("\t%s: %d", "info->wm_available", static_cast<int>(info->wm_available));
    log.log("\t%s: %d", "info->blit_hw", static_cast<int>(info->blit_hw));
    log.log("\t%s: %d", "info->blit_hw_CC", static_cast<int>(info->blit_hw_CC));
    log.log("\t%s: %d", "info->blit_hw_A", static_cast<int>(info->blit_hw_A));
    log.log("\t%s: %d", "info->blit_sw", static_cast<int>(info->blit_sw));
    log.log("\t%s: %d", "info->blit_sw_CC", static_cast<int>(info->blit_sw_CC));
    log.log("\t%s: %d", "info->blit_sw_A", static_cast<int>(info->blit_sw_A));
    log.log("\t%s: %d", "info->blit_fill", static_cast<int>(info->blit_fill));
    log.log("\t%s: %d", "info->video_mem", static_cast<int>(info->video_mem));
    log.log("\t%s: 0x%x", "info->vfmt->palette",
            static_cast<unsigned>(reinterpret_cast<uintptr_t>(f->palette)));
    log.log("\t%s: %d", "info->vfmt->BitsPerPixel", f->BitsPerPixel);
    log.log("\t%s: %d", "info->vfmt->BytesPerPixel", f->BytesPerPixel);
    log.log("\t%s: %d", "info->vfmt->Rloss", f->Rloss);
    log.log("\t%s: %d", "info->vfmt->Gloss", f->Gloss);
    log.log("\t%s: %d", "info->vfmt->Bloss", f->Bloss);
    log.log("\t%s: %d", "info->vfmt->Aloss", f->Aloss);
    log.log("\t%s: %d", "info->vfmt->Rshift", f->Rshift);
    log.log("\t%s: %d", "info->vfmt->Gshift", f->Gshift);
    log.log("\t%s: %d", "info->vfmt->Bshift", f->Bshift);
    log.log("\t%s: %d", "info->vfmt->Ashift", f->Ashift);
    log.log("\t%s: 0x%x", "info->vfmt->Rmask", f->Rmask);
    log.log("\t%s: 0x%x", "info->vfmt->Gmask", f->Gmask);
    log.log("\t%s: 0x%x", "info->vfmt->Bmask", f->Bmask);
    log.log("\t%s: 0x%x", "info->vfmt->Amask", f->Amask);
    log.log("\t%s: 0x%x", "info->vfmt->colorkey", f->colorkey);
    log.log("\t%s: %d", "info->vfmt->alpha", f->alpha);
    log.log("\t%s: %d", "info->current_w", info->current_w);
    log.log("\t%s: %d", "info->current_h", info->current_h);
}

bool KivGraphics::restorePresentation()
{
    calcClosestMatchParameters(bFullScreen, screenWidth, screenHeight);
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    Uint32 flags = SDL_OPENGL | SDL_ANYFORMAT;
    if (info->hw_available)
        flags |= SDL_HWSURFACE;
    int depth = info->vfmt->BitsPerPixel;
    if (bFullScreen) {
        depth = 32;
        flags |= SDL_FULLSCREEN;
    }
    surfaceHandle = SDL_SetVideoMode(screenWidth, screenHeight, depth, flags);
    if (!surfaceHandle)
        kivFatalStatement(SDL_GetError(), "surfaceHandle!=NULL", __func__, __FILE__, __LINE__);
    displayProcess = static_cast<int>(getpid());
    displayDepth = surfaceHandle->format->BitsPerPixel;
    setGlobalRenderState();
    if (pKiv && pKiv->pObserver)
        pKiv->pObserver->onDisplayOpened();
    return true;
}

void KivGraphics::setGlobalRenderState()
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glViewport(0, 0, screenWidth, screenHeight);
    Matrix projection;
    projection.frustum(1.0, -1.0, -aspectRatio, aspectRatio, 1.0, 999999.0);
    Camera::lookAt(projection, 0.0f, 0.0f, static_cast<float>(-(fovWidth / 2)), 0.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection.m);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    setAlphaBlending(true);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_FASTEST);
    glEnable(GL_TEXTURE_2D);
    setTextureModulate(true);
    setTextureParameters();
    GLenum error = glGetError();
    if (error != GL_NO_ERROR)
        kivFatalStatement(ErrorManager::glErrorToString(error), "0", __func__, __FILE__, __LINE__);
}

void KivGraphics::changePresentationParameters(int width, int height, bool fullScreen, bool bilinearFilter,
                                               bool vSync)
{
    bBilinearFilter = bilinearFilter;
    bUseVSync = vSync;
    bool matchedFullScreen = fullScreen;
    int matchedWidth = width, matchedHeight = height;
    calcClosestMatchParameters(matchedFullScreen, matchedWidth, matchedHeight);
    const bool bChanged =
        matchedFullScreen != bFullScreen || matchedWidth != screenWidth || matchedHeight != screenHeight;
    bFullScreen = matchedFullScreen;
    screenWidth = matchedWidth;
    screenHeight = matchedHeight;
    if (!bChanged) {
        setGlobalRenderState();
        return;
    }
    KIV_LOG("Restarting to apply configuration.");
    if (pKiv)
        pKiv->bRestartRequested = true;
}

void KivGraphics::clear(UColor color)
{
    glClearColor(color.r / 255.0f, color.g / 255.0f, color.b / 255.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void KivGraphics::setAlphaBlending(bool on)
{
    if (on) {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_NOTEQUAL, 0.0f);
    } else {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
}

void KivGraphics::setTextureModulate(bool modulate)
{
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, modulate ? GL_MODULATE : GL_REPLACE);
}

void KivGraphics::setTextureParameters()
{
    const GLint filter = bBilinearFilter ? GL_LINEAR : GL_NEAREST;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_REPEAT);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
}

void KivGraphics::loadIdentity()
{
    glLoadIdentity();
}

void KivGraphics::loadMatrix(const float* matrix)
{
    glLoadMatrixf(matrix);
}

void KivGraphics::setProjection(const float* matrix)
{
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(matrix);
    glMatrixMode(GL_MODELVIEW);
}

void KivGraphics::getProjection(float* matrix) const
{
    glGetFloatv(GL_PROJECTION_MATRIX, matrix);
}

void KivGraphics::present()
{
    glFlush();
    SDL_GL_SwapBuffers();
}

MemoryImageFile* KivGraphics::grabScreen(UString* failure)
{
    MemoryImageFile* image = new MemoryImageFile(screenWidth, screenHeight);
    // An error an earlier call left behind is not the read's to answer for.
    for (int i = 0; i < MOST_STALE_GL_ERRORS && glGetError() != GL_NO_ERROR; ++i) {
    }
    glReadPixels(0, 0, screenWidth, screenHeight, GL_RGBA, GL_UNSIGNED_BYTE, image->pImageData);
    if (const GLenum error = glGetError(); error != GL_NO_ERROR) {
        if (failure)
            *failure = formatString("the screen could not be read (%s)", ErrorManager::glErrorToString(error));
        return image;
    }
    // The scratch row is as wide as the display, however wide that is.
    const size_t rowBytes = static_cast<size_t>(screenWidth) * 4;
    std::vector<unsigned char> scratch(rowBytes);
    unsigned char* pixels = image->pImageData;
    for (int i = 0; i < screenHeight / 2; ++i) {
        unsigned char* top = pixels + rowBytes * i;
        unsigned char* bottom = pixels + rowBytes * (screenHeight - 1 - i);
        std::memcpy(scratch.data(), top, rowBytes);
        std::memcpy(top, bottom, rowBytes);
        std::memcpy(bottom, scratch.data(), rowBytes);
    }
    if (failure)
        failure->clear();
    return image;
}

std::unique_ptr<MemoryImageFile> KivGraphics::grabScreenFor(const UString& fileName, UString& error)
{
    // The error reporter may ask before the display was ever opened (or after
    // opening it failed): there is no frame buffer to read then. A forked
    // child shares its parent's display connection and must not use it.
    if (!isDisplayProcess()) {
        error = "no display is open in this process";
        return nullptr;
    }
    std::unique_ptr<MemoryImageFile> image(grabScreen(&error));
    if (!error.empty())
        return nullptr;
    if (fileName.find(".tga") != UString::npos)
        image->saveTGA(fileName);
    if (fileName.find(".bmp") != UString::npos)
        image->saveBMP(fileName);
    if (fileName.find(".jpg") == UString::npos) {
        error = "the name has no image format's extension";
        return nullptr;
    }
    return image;
}

bool KivGraphics::saveScreenshot(const UString& fileName, UString& error)
{
    try {
        const std::unique_ptr<MemoryImageFile> image = grabScreenFor(fileName, error);
        if (!image || !image->saveJPG(fileName, SCREENSHOT_QUALITY, error))
            return false;
        tellSaved(fileName, *image);
        return true;
    } catch (const std::bad_alloc&) {
        // A failed allocation comes back as an exception only while a fatal
        // error is being reported (makeFailedAllocationsFatal); the report
        // goes on without the shot, and whatever was at its name stays.
        error = "out of memory";
        return false;
    }
}

bool KivGraphics::saveNumberedScreenshot(const UString& prefix, const UString& suffix, UString& name,
                                         UString& error)
{
    // Named before the screen is read, so that a shot that cannot be made
    // says which name it was for.
    name = firstFreeNumberedName(prefix, suffix);
    if (name.empty()) {
        error = "every name is taken";
        return false;
    }
    const std::unique_ptr<MemoryImageFile> image = grabScreenFor(name, error);
    if (!image)
        return false;
    // A save in play from the encoding on, as saveJPG's.
    const ProgramEnd::SaveInProgress saving;
    std::vector<unsigned char> bytes;
    if (!image->encodeJPG(SCREENSHOT_QUALITY, bytes, error) || !writeNumberedFile(prefix, suffix, bytes, name, error))
        return false;
    tellSaved(name, *image);
    return true;
}

void KivGraphics::onFatalError()
{
}

bool KivGraphics::isDisplayProcess() const
{
    return surfaceHandle && displayProcess == static_cast<int>(getpid());
}
