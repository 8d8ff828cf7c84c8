#pragma once
// Kiv: the engine application object, one per run, reached through pKiv.
// It starts its services in a fixed order (logger, SDL video, error manager,
// time keeper, file manager, configuration, resource manager, event manager,
// input, graphics, audio, debug font, console, network, string table, frame
// pacer, edition settings) and stops them in reverse. Main thread only.
#include "FrameStatistics.h"
#include "UString.h"

#include <cstdint>

union SDL_Event;
class Console;
class Context;
class ErrorManager;
class EventManager;
class FileManager;
class FontGDI;
class FramePacer;
class KivAudio;
class KivBase;
class KivGraphics;
class KivInput;
class Language;
class Logger;
class MemoryIniFile;
class NetworkManager;
class ResourceManager;
class TimeKeeper;

class Kiv {
public:
    enum Mode { MODE_DISPLAYLOST = 1, MODE_INACTIVE = 2, MODE_OK = 3 };
    static constexpr int FPS_HISTORY_SIZE = 512;

    Kiv();
    ~Kiv();
    Kiv(const Kiv&) = delete;
    Kiv& operator=(const Kiv&) = delete;

    // One engine frame with root as the screen stack: mode handling, input,
    // audio, tick, console, render, overlays, statistics, presentation, pacing.
    void frame(Context* root);
    void sdlOnEvent(const SDL_Event& event);
    // Engine clock time (seconds) at which the current frame started.
    double getFrameTime() const { return frameTime; }
    // Moves the mode one step at a time towards target, telling audio and
    // every registered object of each step.
    void changeKIVmode(int target);

    void registerObject(KivBase* object);
    void unregisterObject(KivBase* object);
    int getRegisteredObjectCount() const { return registeredObjectCount; }

    Logger* pLogger = nullptr;
    ErrorManager* pErrorManager = nullptr;
    TimeKeeper* pTimeKeeper = nullptr;
    FileManager* pFileManager = nullptr;
    MemoryIniFile* pConfig = nullptr;
    ResourceManager* pResourceManager = nullptr;
    EventManager* pEventManager = nullptr;
    KivInput* pInput = nullptr;
    KivGraphics* pGraphics = nullptr;
    KivAudio* pAudio = nullptr;
    FontGDI* pFontGDI = nullptr;
    Console* pConsole = nullptr;
    NetworkManager* pNetworkManager = nullptr;
    Language* pLanguage = nullptr;
    FramePacer* pFramePacer = nullptr;

    int mode = MODE_OK;
    bool bAppActive = true;
    bool bRestartRequested = false;
    bool bShuttingDown = false;
    bool bDebugOutput = false;
    bool bTickWhilePaused = false;
    int debugLevel = 0;
    int frameNumber = 0;
    double fps = 0.0;
    int framesRendered = 0;
    int fpsHistory[FPS_HISTORY_SIZE] = {};
    double frameTime = 0.0;
    double maxFrameDuration = 0.05;
    Context* pCurrentContext = nullptr;
    FrameStatistics stats;
    bool bShowStatistics = false;

    // Engine configuration values kept here.
    int defaultLanguage = -1;
    // Edition settings (".cfg.static"); defaults when the file or key is missing.
    bool bMultilanguage = false;
    int singleLanguage = 0;
    int ditherDepth = 0;

private:
    KivBase* pFirstRegistered = nullptr;
    int registeredObjectCount = 0;
};

extern Kiv* pKiv;
