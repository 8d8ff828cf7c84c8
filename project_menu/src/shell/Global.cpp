#include "Global.h"

#include "ApplicationInfo.h"
#include "Console.h"
#include "ContextAutoConfigure.h"
#include "ContextBFLogo.h"
#include "ContextDialog.h"
#include "ContextErrorReport.h"
#include "ContextManager.h"
#include "ContextPost.h"
#include "ContextPre.h"
#include "ErrorManager.h"
#include "FileManager.h"
#include "FramePacer.h"
#include "GUIthemeMinimal.h"
#include "GUIthemeStandard.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Language.h"
#include "Loader.h"
#include "Logger.h"
#include "RuntimeClassManager.h"
#include "Texture.h"
#include "TimeKeeper.h"

#include <algorithm>
#include <cstdlib>

Global* pGlobal = nullptr;

Global::Global() = default;

Global::~Global()
{
    delete pContextPre;
    pContextPre = nullptr;
    delete pContextPost;
    pContextPost = nullptr;
    delete pThemeStandard;
    pThemeStandard = nullptr;
    delete pThemeMinimal;
    pThemeMinimal = nullptr;
    if (pContextManager) {
        deleteScreensOwnedByTheStack();
        delete pContextManager;
        pContextManager = nullptr;
    }
    delete pResourceRoot;
    pResourceRoot = nullptr;
}

void Global::deleteScreensOwnedByTheStack()
{
    // The program may end with screens still on the stack (the main menu,
    // the finished loader under it). Those that the stack would have deleted
    // when popping them go with it; the others belong to whoever pushed them.
    BasicLink* link = pContextManager->pLastChild;
    while (link) {
        BasicLink* below = link->pPrev;
        Context* screen = static_cast<Context*>(link);
        if (screen->bDeleteWhenFinished)
            delete screen;
        link = below;
    }
}

void Global::initPreLoader()
{
    RuntimeClassManager* m = &RuntimeClassManager::getInstance();
    m->buildClassArray();
    KIV_ASSERT(!m->bBadClasses);
    if (pKiv->bDebugOutput) {
        int index = 0;
        for (const RuntimeClass* record : m->classArray)
            pKiv->pConsole->print("%d (%08x): %s", index++, record->classId, record->name.c_str());
    }

    pResourceRoot = new KivBase();
    // Without its archive the game has nothing to show: say which file is
    // missing rather than which picture the loader asked for first.
    if (!pKiv->pFileManager->useWad(dataArchiveName()))
        KIV_ERROR("Archive '%s' not found.", dataArchiveName().c_str());
    registerTextureFrames("gui-game-progressBar",
                          new Texture("gfx/gui/game/progressbar.tga", Texture::TEXTURE_SHRINK_TO_FIT));
    registerTextureFrames("mousePointer", new Texture("gfx/gui/game/mousepointer.tga", 0));
    pContextManager = new ContextManager();
    pContextManager->pushContext(new Loader());
}

void Global::initPostLoader()
{
    pThemeStandard = new GUIthemeStandard();
    pThemeMinimal = new GUIthemeMinimal();
    pContextPre = new ContextPre();
    pContextPost = new ContextPost();
    initGame();
    pContextManager->pushContext(new ContextBFLogo());
    if (ContextErrorReport::crashLogExists())
        pContextManager->pushContext(new ContextErrorReport());
    pContextManager->pushContext(new ContextAutoConfigure());
    KIV_LOG("Global initialization complete at t=%.3lf sec.", pKiv->pTimeKeeper->getTime());
}

void Global::applySettings()
{
    const int fps = std::clamp(hst.maxFps, HSTdata::MIN_FPS, HSTdata::MAX_FPS);
    pKiv->pFramePacer->init(1.0 / fps);
    const int mixingRates[HSTdata::MAX_AUDIO_QUALITY + 1] = {11025, 22050, 44100};
    pKiv->pAudio->frequency = mixingRates[std::clamp(hst.audioQuality, 0, HSTdata::MAX_AUDIO_QUALITY)];
    const float fullVolume = static_cast<float>(HSTdata::MAX_VOLUME);
    pKiv->pAudio->setSoundVolume(static_cast<float>(std::clamp(hst.soundVolume, 0, HSTdata::MAX_VOLUME)) / fullVolume);
    pKiv->pAudio->setMusicVolume(static_cast<float>(std::clamp(hst.musicVolume, 0, HSTdata::MAX_VOLUME)) / fullVolume);
    int width = 0, height = 0;
    ContextAutoConfigure::getResolutionSize(std::clamp(hst.resolution, 0, HSTdata::MAX_RESOLUTION), width, height);
    KivGraphics* graphics = pKiv->pGraphics;
    graphics->changePresentationParameters(width, height, hst.bFullScreen, hst.bBilinearFilter, hst.bVerticalSync);
    graphics->bTextShadows = !graphics->bBrokenAlphaOp && hst.detail > 0;
    const int sensitivity = std::clamp(hst.mouseSensitivity, 0, HSTdata::MAX_MOUSE_SENSITIVITY);
    pKiv->pInput->mouseSpeed = static_cast<float>(sensitivity) * 0.25f + 0.5f;
}

void Global::savePlayerFiles()
{
    profileManager.saveNow();
    hst.saveNow();
}

void Global::saveForExit()
{
    hst.addRunTime();
    savePlayerFiles();
}

void Global::tellSaveFailure(const UString& reason)
{
    if (bSaveFailureTold || !pContextManager || !pThemeStandard || pKiv->bShuttingDown)
        return;
    bSaveFailureTold = true;
    ContextDialog* dialog = new ContextDialog();
    dialog->title = "Saving failed";
    dialog->message = formatString("Your progress could not be saved|(%s).|You can continue, but what you do now|"
                                   "may be lost when the game ends.",
                                   reason.c_str());
    dialog->build();
    pContextManager->pushContext(dialog);
}

V3 Global::latLongToVector(float longitude, float latitude)
{
    return rotatePoint(V3(0.0f, 0.0f, -1.0f), -longitude, latitude);
}

int Global::countBits(uint32_t mask)
{
    int count = 0;
    for (; mask != 0; mask &= mask - 1)
        ++count;
    return count;
}

UString Global::formatNumber(int value)
{
    return formatNumber(value, pKiv->pLanguage->getText(Language::THOUSANDSEPARATOR));
}

UString Global::formatNumber(int value, const UString& separator)
{
    UString text = formatString("%d", value);
    const size_t firstDigit = value < 0 ? 1 : 0;
    // Inserting only moves what lies right of the insertion point, so working
    // leftwards keeps every earlier position valid.
    for (size_t position = text.size(); position > firstDigit + 3;) {
        position -= 3;
        text.insert(position, separator);
    }
    return text;
}

UColor randomBrightColor()
{
    const int k = std::rand() % 6 + 1;
    const uint8_t red = (k & 1) ? 255 : static_cast<uint8_t>((std::rand() % 5) * 32);
    const uint8_t green = (k & 2) ? 255 : static_cast<uint8_t>((std::rand() % 5) * 32);
    const uint8_t blue = (k & 4) ? 255 : static_cast<uint8_t>((std::rand() % 5) * 32);
    return UColor(red, green, blue, 255);
}

uint32_t randomWord()
{
    uint32_t word = 0;
    for (int i = 0; i < 32; ++i)
        word = word * 2 + static_cast<uint32_t>(std::rand() % 2);
    return word;
}
