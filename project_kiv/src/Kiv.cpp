#include "Kiv.h"

#include "ApplicationInfo.h"
#include "Console.h"
#include "Context.h"
#include "DataFolder.h"
#include "ErrorManager.h"
#include "EventManager.h"
#include "FileManager.h"
#include "FontGDI.h"
#include "FramePacer.h"
#include "KivAudio.h"
#include "KivBase.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Language.h"
#include "Logger.h"
#include "MemoryIniFile.h"
#include "NetworkManager.h"
#include "ResourceManager.h"
#include "TimeKeeper.h"

#include <SDL/SDL.h>

Kiv* pKiv = nullptr;

namespace {
const char* const ENGINE_SECTION = "Kiv";
}

Kiv::Kiv()
{
    pKiv = this;
    UString folder = getDataFolder();
    pLogger = new Logger(folder + "/" + APPLICATION_NAME + ".log");
    KIV_LOG("Starting...");
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_NOPARACHUTE);
    pErrorManager = new ErrorManager();
    pTimeKeeper = new TimeKeeper();
    pFileManager = new FileManager();
    pConfig = new MemoryIniFile();
    pConfig->readFile(folder + "/" + APPLICATION_NAME + ".cfg");
    pConfig->setString(ENGINE_SECTION, "warning", "Do NOT modify this file unless you are explicitly instructed to do so!");
    double frameRate = pConfig->readDouble(ENGINE_SECTION, "frameRate", 0.015);
    defaultLanguage = pConfig->readInt(ENGINE_SECTION, "defaultLanguage", -1);
    pResourceManager = new ResourceManager();
    pEventManager = new EventManager();
    pInput = new KivInput();
    pGraphics = new KivGraphics();
    pAudio = new KivAudio();
    pFontGDI = new FontGDI();
    pConsole = new Console();
    pNetworkManager = new NetworkManager();
    pLanguage = new Language();
    pFramePacer = new FramePacer();
    pFramePacer->init(frameRate);
    KIV_LOG("Started.");
}

Kiv::~Kiv()
{
    KIV_LOG("Initiating shutdown...");
    bShuttingDown = true;
    delete pLanguage;
    pLanguage = nullptr;
    delete pFramePacer;
    pFramePacer = nullptr;
    delete pNetworkManager;
    pNetworkManager = nullptr;
    delete pConsole;
    pConsole = nullptr;
    delete pFontGDI;
    pFontGDI = nullptr;
    delete pAudio;
    pAudio = nullptr;
    delete pGraphics;
    pGraphics = nullptr;
    pConfig->setInt(ENGINE_SECTION, "defaultLanguage", defaultLanguage);
    pConfig->writeFile(getDataFolder() + "/" + APPLICATION_NAME + ".cfg");
    delete pInput;
    pInput = nullptr;
    delete pEventManager;
    pEventManager = nullptr;
    delete pResourceManager;
    pResourceManager = nullptr;
    delete pConfig;
    pConfig = nullptr;
    delete pFileManager;
    pFileManager = nullptr;
    delete pTimeKeeper;
    pTimeKeeper = nullptr;
    SDL_Quit();
    KIV_LOG("Done. Clean exit.");
    delete pErrorManager;
    pErrorManager = nullptr;
    delete pLogger;
    pLogger = nullptr;
    pKiv = nullptr;
}

void Kiv::frame(Context* root)
{
    stats = FrameStatistics();
    ++frameNumber;
    frameTime = pTimeKeeper->getTime();
    pInput->update();
    if (root) {
        root->tick(frameTime, 0.015);
        root->render();
    }
    ++framesRendered;
    pFramePacer->wait();
}

void Kiv::sdlOnEvent(const SDL_Event& event)
{
    pInput->onEvent(event);
}

void Kiv::changeKIVmode(int target)
{
    mode = target;
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
    object->pRegistryPrev = object->pRegistryNext = nullptr;
    --registeredObjectCount;
}
