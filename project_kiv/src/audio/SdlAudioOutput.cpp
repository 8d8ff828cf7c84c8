#include "SdlAudioOutput.h"

#include "ErrorManager.h"

#include <SDL/SDL.h>

#include <cstring>

// The reports name the audio device, which opens the output at its start.
void SdlAudioOutput::open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained)
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        kivFatalStatement(SDL_GetError(), "SDL_InitSubSystem(SDL_INIT_AUDIO)==0", "KivAudio", __FILE__, __LINE__);
    SDL_AudioSpec asked = desired;
    std::memset(&obtained, 0, sizeof(obtained));
    if (SDL_OpenAudio(&asked, &obtained) != 0)
        kivFatalStatement("Assertion failed.", "SDL_OpenAudio(&desired,&obtained)==0", "KivAudio", __FILE__,
                          __LINE__);
}

void SdlAudioOutput::pause(bool bPaused)
{
    SDL_PauseAudio(bPaused ? 1 : 0);
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
