#pragma once
// Kiv: the engine application object, one per run, reached through pKiv
// (set before any service is built, cleared when the object is gone).
// It starts its services in a fixed order (logger, SDL video, error manager,
// time keeper, file manager, configuration, resource manager, event manager,
// input, graphics, audio, debug font, console, network, string table, frame
// pacer, edition settings), owns them, and stops them in reverse, saving the
// configuration once graphics is gone. What it takes from the machine (the
// clock, the sound output, which frames are drawn) comes from its host
// (KivHost), borrowed for its whole life. Main thread only; the audio thread
// reads pAudio and, on a fatal error, the logger and error manager.
//
// Configuration: engine keys live in section "Kiv" of
// <data folder>/Glimmerdaledemo.cfg; edition settings come from the read-only
// Glimmerdaledemo.cfg.static in the working folder ([Language]
// bMultilanguage, singleLanguage; [Graphics] ditherDepth). A configuration
// file larger than MAX_CONFIG_SIZE, or something that is no regular file in
// its place (a folder, a socket, a pipe, a device), is kept as
// "Glimmerdaledemo.cfg.damaged"; a file that cannot be opened or read is
// left as it is and not rewritten at shutdown; either way the run starts
// from the defaults. Numeric keys are read only as whole numbers and kept in
// their working ranges (MemoryIniFile::readIntInRange, readDoubleInRange).
#include "FrameStatistics.h"
#include "UString.h"

#include <cstddef>
#include <cstdint>

union SDL_Event;
class AudioOutput;
class Console;
class Context;
class DrawSchedule;
class ErrorManager;
class EventManager;
class FileManager;
class FontGDI;
class FramePacer;
class KivAudio;
class KivBase;
class KivGraphics;
class KivInput;
class KivObserver;
class Language;
class Logger;
class MemoryIniFile;
class NetworkManager;
class ResourceManager;
class TimeKeeper;
struct KivHost;

class Kiv {
public:
    enum Mode { MODE_DISPLAYLOST = 1, MODE_INACTIVE = 2, MODE_OK = 3 };
    static constexpr int FPS_HISTORY_SIZE = 512;
    // "debugCode" must hold this value for the debug output (console,
    // statistics overlay, debug drawing) to be unlocked.
    static constexpr int DEBUG_ACCESS_CODE = 271828;
    static constexpr const char* CONFIG_SECTION = "Kiv";
    // "frameRate", seconds per frame, until the settings set their own.
    static constexpr double DEFAULT_FRAME_PERIOD = 0.015;
    // Seconds; also what a screen's clock is capped at before an engine exists.
    static constexpr double DEFAULT_MAX_FRAME_DURATION = 0.05;
    // Working ranges of the two: a configured value outside is brought in
    // (MemoryIniFile::readDoubleInRange), so that no edit of the file can
    // stall the start-up (a frame of hours) or the game's clocks.
    static constexpr double MIN_FRAME_PERIOD = 0.004;
    static constexpr double MAX_FRAME_PERIOD = 0.04;
    static constexpr double MIN_MAX_FRAME_DURATION = 0.01;
    static constexpr double MAX_MAX_FRAME_DURATION = 0.25;
    static constexpr const char* CONFIG_WARNING = "Do NOT modify this file unless you are explicitly instructed to do so!";
    // A configuration file larger than this is damaged: it is kept aside and
    // the defaults take its place.
    static constexpr size_t MAX_CONFIG_SIZE = 1 << 20;

    // host: the clock, sound output and draw schedule; the program's is
    // KivHost::desktop().
    explicit Kiv(const KivHost& host);
    ~Kiv();
    Kiv(const Kiv&) = delete;
    Kiv& operator=(const Kiv&) = delete;

    // One engine frame with root as the screen stack: mode handling, the
    // clock, input, audio (handed the frame time), tick of root and of the
    // event manager, console, and when the host's schedule draws the frame
    // render, screenshot, console overlay, statistics and presentation;
    // then the frame rate, restart, pacing. root may be null (nothing is
    // ticked or drawn).
    void frame(Context* root);
    // Hands the event to the input object; logs activation events.
    void sdlOnEvent(const SDL_Event& event);
    // Engine clock time (seconds) at which the current frame started.
    double getFrameTime() const { return frameTime; }
    // Moves the mode one step at a time towards target (1..3), telling the
    // clock, the audio device and every registered object of each step; the
    // step from display lost to inactive rebuilds the display. Ignored (and
    // logged) once shutdown has begun.
    void changeKIVmode(int target);
    // Asks for a screenshot at the end of the next rendered frame.
    void requestScreenshot() { bScreenshotRequested = true; }

    // The registry of live engine objects (KivBase registers itself).
    void registerObject(KivBase* object);
    void unregisterObject(KivBase* object);
    int getRegisteredObjectCount() const { return registeredObjectCount; }

    // Writes the configuration file with every running service's settings,
    // as the end of the engine does; on its own, for an end that cannot
    // tear the services down (the display lost). A save that fails is
    // reported and leaves the old file. Main thread.
    void saveConfiguration();

    // The file paths this engine uses.
    static UString getConfigPath();
    static UString getLogPath();
    static UString getEditionSettingsName();

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
    // Told what is drawn, played and saved; null in the program (borrowed,
    // set and cleared by whoever watches).
    KivObserver* pObserver = nullptr;

    int mode = MODE_OK;
    // Set and cleared by the window focus hooks; read by the next frame.
    bool bAppActive = true;
    // Set by a display change; the frame passes through display lost.
    bool bRestartRequested = false;
    // From the start of shutdown, or after a fatal error.
    bool bShuttingDown = false;
    // "debugCode" == DEBUG_ACCESS_CODE.
    bool bDebugOutput = false;
    // "bTickWhilePaused": inactive frames still tick and the clock runs on.
    bool bTickWhilePaused = false;
    // "debugLevel" bits: 0x04 frame-rate graph, 0x08 textured-draw outlines,
    // 0x10 collision circles, 0x20 bounds and crosses, 0x40 textured-draw
    // highlight, 0x80 highlight of objects whose visuals changed this frame.
    int debugLevel = 0;
    int frameNumber = 0;
    double fps = 0.0;
    int framesRendered = 0;
    // Newest entry at framesRendered % FPS_HISTORY_SIZE; whole frames per
    // second.
    int fpsHistory[FPS_HISTORY_SIZE] = {};
    double frameTime = 0.0;
    // Engine-clock seconds between the starts of this and the previous frame.
    double frameDuration = 0.0;
    // "maxFrameDuration": the most a screen's clock advances in one frame.
    double maxFrameDuration = DEFAULT_MAX_FRAME_DURATION;
    // The screen being ticked or rendered (set by Context around both).
    Context* pCurrentContext = nullptr;
    FrameStatistics stats;

    // "defaultLanguage": the chosen language, -1 until one is chosen.
    int defaultLanguage = -1;
    // Edition settings; defaults when the file or key is missing.
    bool bMultilanguage = false;
    int singleLanguage = 0;
    int ditherDepth = 0;

private:
    void startServices(const KivHost& host);
    // SDL's video, on X unless SDL_VIDEODRIVER names another driver. A
    // start that still fails after a second of retries is fatal; the log and
    // standard error say first what failed: the driver named, or else the X
    // display.
    void startVideo();
    void readConfiguration();
    void readEditionSettings();
    void handleModes();
    // After a frame, with the engine time at which it started: its sample
    // in the frame-rate history, and fps measured anew every quarter of a
    // second.
    void measureFrameRate(double now);
    void saveScreenshot();
    void renderStatistics();
    void logObjectsStillAllocated();

    DrawSchedule* pDrawSchedule = nullptr;
    // The host's sound output, closed when SDL ends.
    AudioOutput* pAudioOutput = nullptr;
    KivBase* pFirstRegistered = nullptr;
    // The next object of a registry walk in progress; unregistering it moves
    // the walk on, so objects may delete others while being told of a mode
    // step.
    KivBase* pRegistryCursor = nullptr;
    int registeredObjectCount = 0;
    bool bScreenshotRequested = false;
    bool bFirstFrame = true;
    double fpsSampleStart = 0.0;
    int fpsSampleFrames = 0;
};

extern Kiv* pKiv;
