#include "SdlAudioOutput.h"

#include "ErrorManager.h"
#include "Kiv.h"
#include "Logger.h"
#include "UString.h"

#include <SDL/SDL.h>

#include <cstring>
#include <sys/stat.h>

namespace {

// SDL's own failures that say nothing of the device: running the game
// without sound is no answer to them.
const char* const REASONS_BESIDE_THE_DEVICE[] = {"Out of memory", "Couldn't create audio thread"};

bool isBesideTheDevice(const UString& reason)
{
    for (const char* beside : REASONS_BESIDE_THE_DEVICE)
        if (reason.compare(0, std::strlen(beside), beside) == 0)
            return true;
    return false;
}

// Before the fatal report, which names only the call: the device's own
// reason, and, when the device is what is missing, the setting that lets
// the game run without one. At a first start there is no configuration
// to edit yet (it is written as the game ends, which a fatal end skips), so
// the player is told how to make it.
void reportNoSound(const char* what)
{
    const UString reason = SDL_GetError();
    if (isBesideTheDevice(reason)) {
        kivReport("KivAudio", "%s (%s).", what, reason.c_str());
        return;
    }
    const UString config = Kiv::getConfigPath();
    struct stat info;
    if (stat(config.c_str(), &info) == 0)
        kivReport("KivAudio", "%s (%s); bMute=Yes in section KivAudio of '%s' runs the game without sound.", what,
                  reason.c_str(), config.c_str());
    else
        kivReport("KivAudio",
                  "%s (%s); to run the game without sound, create '%s' with the two lines \"[KivAudio]\" and "
                  "\"bMute=Yes\".",
                  what, reason.c_str(), config.c_str());
}

} // namespace

// The reports name the audio device, which opens the output at its start.
void SdlAudioOutput::open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        reportNoSound("The sound system could not be started");
        kivFatalStatement(SDL_GetError(), "SDL_InitSubSystem(SDL_INIT_AUDIO)==0", "KivAudio", __FILE__, __LINE__);
    }
    SDL_AudioSpec asked = desired;
    std::memset(&obtained, 0, sizeof(obtained));
    if (SDL_OpenAudio(&asked, &obtained) != 0) {
        reportNoSound("The sound device could not be opened");
        kivFatalStatement("Assertion failed.", "SDL_OpenAudio(&desired,&obtained)==0", "KivAudio", __FILE__,
                          __LINE__);
    }
}

void SdlAudioOutput::pause(bool bPaused)
{
    SDL_PauseAudio(bPaused ? 1 : 0);
}

void SdlAudioOutput::close()
{
    SDL_CloseAudio();
}

void SdlAudioOutput::lock()
{
    SDL_LockAudio();
}

void SdlAudioOutput::unlock()
{
    SDL_UnlockAudio();
}

void SdlAudioOutput::pull(double)
{
}
