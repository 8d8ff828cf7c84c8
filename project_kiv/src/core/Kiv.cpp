#include "Kiv.h"

#include "ApplicationInfo.h"
#include "AudioOutput.h"
#include "Console.h"
#include "Context.h"
#include "DataFolder.h"
#include "DrawSchedule.h"
#include "ErrorManager.h"
#include "EventManager.h"
#include "FileManager.h"
#include "FontGDI.h"
#include "FramePacer.h"
#include "HeldStandardError.h"
#include "KivAudio.h"
#include "KivBase.h"
#include "KivGraphics.h"
#include "KivHost.h"
#include "KivInput.h"
#include "Language.h"
#include "Logger.h"
#include "MemoryIniFile.h"
#include "Mixer.h"
#include "NetworkManager.h"
#include "ResourceManager.h"
#include "TimeKeeper.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <strings.h>
#include <unistd.h>

Kiv* pKiv = nullptr;

namespace {

// The screenshot key: Print Screen (DirectInput's SYSRQ).
constexpr int SCREENSHOT_KEY = 183;
// How often the measured frame rate is refreshed, in seconds.
constexpr double FPS_SAMPLE_PERIOD = 0.25;
constexpr int MAX_LISTED_LEFTOVERS = 16;
constexpr int SDL_INIT_ATTEMPTS = 20;
constexpr Uint32 SDL_INIT_RETRY_MS = 50;

// One try at starting SDL's video. Xlib complains on standard error of
// every connection the X server refuses (no authorisation): only the last
// try, or one that succeeds, is heard. Holding standard error back is safe
// here: the video starts before any other thread of the program (the sound
// device's, an upload's), and the signal handlers write nothing.
bool initVideo(bool bLastAttempt)
{
    HeldStandardError held;
    const bool bStarted = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE) == 0;
    held.end(bStarted || bLastAttempt);
    return bStarted;
}

// What failed to start, in the player's terms: the driver SDL_VIDEODRIVER
// names (namedDriver) when it names one other than X's, or else the X
// display.
UString describeVideoFailure(const std::optional<std::string>& namedDriver)
{
    if (namedDriver && namedDriver->empty())
        return "No video driver is named: SDL_VIDEODRIVER is set but empty.";
    if (namedDriver && strcasecmp(namedDriver->c_str(), "x11") != 0)
        return formatString("The video driver '%s' (named by SDL_VIDEODRIVER) could not be started.",
                            namedDriver->c_str());
    const char* display = std::getenv("DISPLAY");
    if (!display)
        return "No display is named: DISPLAY is not set.";
    if (!*display)
        return "No display is named: DISPLAY is empty.";
    return formatString("The X display '%s' (named by DISPLAY) could not be opened.", display);
}

template <typename T>
void deleteService(T*& service)
{
    delete service;
    service = nullptr;
}

} // namespace

// An exception thrown while the services start must not leave pKiv pointing
// at a half-built engine: the unhandled-exception report reads it.
Kiv::Kiv(const KivHost& host)
try : pDrawSchedule(&host.drawSchedule), pAudioOutput(&host.audioOutput) {
    pKiv = this;
    startServices(host);
} catch (...) {
    pKiv = nullptr;
}

void Kiv::startServices(const KivHost& host)
{
    pLogger = new Logger(getLogPath());
    kivLog("Kiv", "Starting...");
    kivLog("Kiv", "%s %s", APPLICATION_NAME, APPLICATION_VERSION);
    startVideo();
    pErrorManager = new ErrorManager();
    pTimeKeeper = new TimeKeeper(host.clock);
    pFileManager = new FileManager();
    readConfiguration();
    pResourceManager = new ResourceManager();
    pEventManager = new EventManager();
    pInput = new KivInput();
    pGraphics = new KivGraphics();
    pAudio = new KivAudio(host.audioOutput);
    pFontGDI = new FontGDI();
    pConsole = new Console();
    pNetworkManager = new NetworkManager();
    pLanguage = new Language();
    pFramePacer = new FramePacer(host.clock);
    pFramePacer->init(pConfig->readDoubleInRange(CONFIG_SECTION, "frameRate", DEFAULT_FRAME_PERIOD,
                                                 MIN_FRAME_PERIOD, MAX_FRAME_PERIOD));
    readEditionSettings();
    kivLog("Kiv", "Started.");
}

void Kiv::startVideo()
{
    // Without an X display SDL would go on to drivers that cannot draw with
    // OpenGL, its text-mode one writing escape codes over the terminal, and
    // the failure would read as a driver problem: only X's is tried, unless
    // the player names a driver.
    const char* named = std::getenv("SDL_VIDEODRIVER");
    const std::optional<std::string> namedDriver = named ? std::optional<std::string>(named) : std::nullopt;
    if (!namedDriver)
        setenv("SDL_VIDEODRIVER", "x11", 1);
    // An X server that is resetting (its last client has just left) refuses
    // connections for a moment, so the first failures are retried.
    int attempts = 1;
    while (!initVideo(attempts == SDL_INIT_ATTEMPTS) && attempts < SDL_INIT_ATTEMPTS) {
        ++attempts;
        SDL_Delay(SDL_INIT_RETRY_MS);
    }
    if (!namedDriver)
        unsetenv("SDL_VIDEODRIVER");
    if (SDL_WasInit(SDL_INIT_VIDEO))
        return;
    KIV_REPORT("%s", describeVideoFailure(namedDriver).c_str());
    KIV_ERROR("Could not start SDL video: %s", SDL_GetError());
}

void Kiv::readConfiguration()
{
    kivLog("Kiv", "Reading configuration...");
    pConfig = new MemoryIniFile();
    // Set before the file is read so that the warning stays the file's first
    // key whatever the stored file looks like.
    pConfig->setString(CONFIG_SECTION, "warning", CONFIG_WARNING);
    // A file that cannot be used would be replaced by the defaults at
    // shutdown: a damaged one is kept aside instead, one that could not be
    // read is left alone.
    UString reason;
    switch (pConfig->readFile(getConfigPath(), MAX_CONFIG_SIZE, reason)) {
    case PlayerFileRead::DAMAGED:
        pFileManager->keepDamaged(getConfigPath(), reason);
        break;
    case PlayerFileRead::UNREADABLE:
        pFileManager->leaveUnread(getConfigPath(), reason);
        break;
    case PlayerFileRead::MISSING:
    case PlayerFileRead::READ:
        break;
    }
    pConfig->setString(CONFIG_SECTION, "warning", CONFIG_WARNING);
    bDebugOutput = pConfig->readInt(CONFIG_SECTION, "debugCode", 0) == DEBUG_ACCESS_CODE;
    debugLevel = pConfig->readInt(CONFIG_SECTION, "debugLevel", 0);
    bTickWhilePaused = pConfig->readBool(CONFIG_SECTION, "bTickWhilePaused", false);
    maxFrameDuration = pConfig->readDoubleInRange(CONFIG_SECTION, "maxFrameDuration", DEFAULT_MAX_FRAME_DURATION,
                                                  MIN_MAX_FRAME_DURATION, MAX_MAX_FRAME_DURATION);
    defaultLanguage = pConfig->readInt(CONFIG_SECTION, "defaultLanguage", -1);
}

void Kiv::readEditionSettings()
{
    // The edition file is optional on a player's machine: what it lacks keeps
    // the defaults and nothing is written to it.
    MemoryIniFile edition(getEditionSettingsName());
    if (edition.hasKey("Language", "bMultilanguage"))
        bMultilanguage = edition.getBool("Language", "bMultilanguage");
    if (edition.hasKey("Language", "singleLanguage"))
        singleLanguage = edition.getInt("Language", "singleLanguage");
    if (edition.hasKey("Graphics", "ditherDepth"))
        ditherDepth = edition.getInt("Graphics", "ditherDepth");
    kivLog("Kiv", "Edition: bMultilanguage=%s, singleLanguage=%d, ditherDepth=%d", bMultilanguage ? "Yes" : "No",
            singleLanguage, ditherDepth);
}

Kiv::~Kiv()
{
    KIV_LOG("Initiating shutdown...");
    bShuttingDown = true;
    KIV_LOG("%d frames rendered.", framesRendered);
    KIV_LOG("1...");
    deleteService(pFramePacer);
    deleteService(pLanguage);
    KIV_LOG("2...");
    deleteService(pNetworkManager);
    KIV_LOG("3...");
    deleteService(pConsole);
    KIV_LOG("4...");
    deleteService(pFontGDI);
    KIV_LOG("5...");
    deleteService(pAudio);
    KIV_LOG("6...");
    deleteService(pGraphics);
    KIV_LOG("7...");
    deleteService(pInput);
    KIV_LOG("8...");
    deleteService(pEventManager);
    KIV_LOG("9...");
    deleteService(pResourceManager);
    KIV_LOG("10...");
    saveConfiguration();
    KIV_LOG("11...");
    deleteService(pConfig);
    KIV_LOG("12...");
    deleteService(pFileManager);
    KIV_LOG("13...");
    deleteService(pTimeKeeper);
    KIV_LOG("14...");
    // SDL's end would close the sound device too; the output, the one that
    // talks to it, closes it.
    pAudioOutput->close();
    SDL_Quit();
    logObjectsStillAllocated();
    KIV_LOG("Done. Clean exit.");
    deleteService(pErrorManager);
    deleteService(pLogger);
    pKiv = nullptr;
}

void Kiv::saveConfiguration()
{
    if (pGraphics)
        pGraphics->storeSettings();
    if (pAudio)
        pAudio->storeSettings();
    pConfig->setInt(CONFIG_SECTION, "defaultLanguage", defaultLanguage);
    UString error;
    if (!pFileManager->mayReplace(getConfigPath(), error) || !pConfig->writeFile(getConfigPath(), error))
        KIV_REPORT("Could not save '%s': %s.", getConfigPath().c_str(), error.c_str());
}

void Kiv::logObjectsStillAllocated()
{
    if (registeredObjectCount == 0)
        return;
    kivLog("~Kiv", "%d objects still allocated:", registeredObjectCount);
    int listed = 0;
    for (KivBase* object = pFirstRegistered; object && listed < MAX_LISTED_LEFTOVERS; object = object->pRegistryNext) {
        kivLog("~Kiv", "  %s", object->getRuntimeClass()->name.c_str());
        ++listed;
    }
    // Objects that outlive the engine must not reach back into its registry
    // when they are deleted later.
    while (KivBase* object = pFirstRegistered) {
        pFirstRegistered = object->pRegistryNext;
        object->pRegistryPrev = object->pRegistryNext = nullptr;
    }
    registeredObjectCount = 0;
}

UString Kiv::getConfigPath()
{
    return getDataFolder() + "/" + APPLICATION_NAME + ".cfg";
}

UString Kiv::getLogPath()
{
    return getDataFolder() + "/" + APPLICATION_NAME + ".log";
}

UString Kiv::getEditionSettingsName()
{
    return UString(APPLICATION_NAME) + ".cfg.static";
}

void Kiv::frame(Context* root)
{
    stats = FrameStatistics();
    ++frameNumber;
    handleModes();
    bool working = mode == MODE_OK || (mode == MODE_INACTIVE && bTickWhilePaused);
    double now = pTimeKeeper->getTime();
    frameDuration = bFirstFrame ? 0.0 : now - frameTime;
    frameTime = now;
    bFirstFrame = false;
    if (working) {
        pInput->update();
        pAudio->update(frameTime);
        if (root)
            root->tick(frameTime, frameDuration);
        pEventManager->tick(root);
        if (pInput->wentDown(SCREENSHOT_KEY))
            bScreenshotRequested = true;
    }
    pConsole->tick();

    if (pDrawSchedule->drawsFrame()) {
        pGraphics->clear(UColor(0, 0, 0, 0));
        if (root)
            root->render();
        if (bScreenshotRequested) {
            bScreenshotRequested = false;
            saveScreenshot();
        }
        pConsole->render();
        if (bDebugOutput) {
            stats.audioChannels = pAudio->pMixer ? pAudio->pMixer->getChildCount() : 0;
            renderStatistics();
        }
        pGraphics->present();
        ++framesRendered;
    }
    measureFrameRate(now);

    if (bRestartRequested && mode == MODE_OK) {
        bRestartRequested = false;
        changeKIVmode(MODE_DISPLAYLOST);
    }
    pFramePacer->wait();
}

void Kiv::handleModes()
{
    // A lost display comes back first (through inactive, which rebuilds it);
    // then the mode follows the application's focus.
    if (mode == MODE_DISPLAYLOST)
        changeKIVmode(MODE_INACTIVE);
    int target = bAppActive ? MODE_OK : MODE_INACTIVE;
    if (mode != target)
        changeKIVmode(target);
}

void Kiv::measureFrameRate(double now)
{
    int sample = frameDuration > 0.0 ? static_cast<int>(1.0 / frameDuration + 0.5) : 0;
    fpsHistory[framesRendered % FPS_HISTORY_SIZE] = sample;
    if (fpsSampleFrames == 0)
        fpsSampleStart = now;
    ++fpsSampleFrames;
    double elapsed = now - fpsSampleStart;
    if (elapsed >= FPS_SAMPLE_PERIOD) {
        fps = (fpsSampleFrames - 1) / elapsed;
        fpsSampleFrames = 1;
        fpsSampleStart = now;
    }
}

void Kiv::saveScreenshot()
{
    // The first number whose name nothing has (a link, even a dangling one,
    // counts); never written over anything, and named only once whole and
    // on disk (NumberedFile.h). A termination request waits for the write,
    // as it does for the player's files.
    const UString prefix = formatString("%s/%s-", getDataFolder().c_str(), APPLICATION_NAME);
    UString name, reason;
    if (pGraphics->saveNumberedScreenshot(prefix, ".jpg", name, reason))
        KIV_LOG("Screenshot saved as '%s'.", name.c_str());
    else if (name.empty())
        KIV_LOG("No free screenshot name left.");
    else
        KIV_LOG("Screenshot '%s' could not be written: %s.", name.c_str(), reason.c_str());
}

void Kiv::renderStatistics()
{
    pFontGDI->printf(0, 0, "%.1lf fps, frame %d, %d objects", fps, frameNumber, registeredObjectCount);
    pFontGDI->printf(0, 10, "%d/%d renderables, %d vertices, %d vbuffer writes, %d update visuals, %d invXforms, "
                            "%d collisions, %d audio channels",
                     stats.renderablesDrawn, stats.renderablesConsidered, stats.vertices, stats.vbufferWrites,
                     stats.updateVisuals, stats.invXforms, stats.collisions, stats.audioChannels);
    pFontGDI->printf(0, 20, "%d textures used (%dKpixels) ", stats.texturesUsed, stats.texelsUsed / 1024);
    pFontGDI->printf(0, 30, "mouse %.1f, %.1f", pInput->mouseX, pInput->mouseY);
}

void Kiv::sdlOnEvent(const SDL_Event& event)
{
    if (event.type == SDL_ACTIVEEVENT) {
        UString state;
        if (event.active.state & SDL_APPMOUSEFOCUS)
            state += "SDL_APPMOUSEFOCUS ";
        if (event.active.state & SDL_APPINPUTFOCUS)
            state += "SDL_APPINPUTFOCUS ";
        if (event.active.state & SDL_APPACTIVE)
            state += "SDL_APPACTIVE ";
        if (!state.empty())
            state.pop_back();
        KIV_LOG("SDL_ACTIVEEVENT: gain=%d, state=%s", event.active.gain, state.c_str());
    }
    pInput->onEvent(event);
}

void Kiv::changeKIVmode(int target)
{
    if (bShuttingDown) {
        KIV_LOG("Shutdown in progress -- ignoring.");
        return;
    }
    KIV_ASSERT(target >= MODE_DISPLAYLOST && target <= MODE_OK);
    while (mode != target) {
        int oldMode = mode;
        mode += target > mode ? 1 : -1;
        KIV_LOG("Mode %d -> %d", oldMode, mode);
        if (oldMode == MODE_DISPLAYLOST && pGraphics) {
            pGraphics->restorePresentation();
            pGraphics->setGlobalRenderState();
        }
        pTimeKeeper->onKIVmodeChange(oldMode, mode);
        if (pAudio)
            pAudio->onKIVmodeChange(oldMode, mode);
        pRegistryCursor = pFirstRegistered;
        while (KivBase* object = pRegistryCursor) {
            pRegistryCursor = object->pRegistryNext;
            object->onKIVmodeChange(oldMode, mode);
        }
    }
}

void Kiv::registerObject(KivBase* object)
{
    object->pRegistryPrev = nullptr;
    object->pRegistryNext = pFirstRegistered;
    if (pFirstRegistered)
        pFirstRegistered->pRegistryPrev = object;
    pFirstRegistered = object;
    ++registeredObjectCount;
}

void Kiv::unregisterObject(KivBase* object)
{
    if (object->pRegistryPrev)
        object->pRegistryPrev->pRegistryNext = object->pRegistryNext;
    else if (pFirstRegistered == object)
        pFirstRegistered = object->pRegistryNext;
    else
        return;
    if (object->pRegistryNext)
        object->pRegistryNext->pRegistryPrev = object->pRegistryPrev;
    if (pRegistryCursor == object)
        pRegistryCursor = object->pRegistryNext;
    object->pRegistryPrev = object->pRegistryNext = nullptr;
    --registeredObjectCount;
}
