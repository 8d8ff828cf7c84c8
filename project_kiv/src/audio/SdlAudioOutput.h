#pragma once
// SdlAudioOutput: the program's sound output, SDL's audio device: opened
// and closed once per engine, its thread calling the mixing
// callback as it plays, paused and locked through SDL. The only class that
// calls SDL audio. Holds no state of its own; main thread only.
#include "AudioOutput.h"

class SdlAudioOutput : public AudioOutput {
public:
    // Starts SDL's audio and opens the device; either failing is fatal.
    void open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained) override;
    void pause(bool bPaused) override;
    // Ends SDL's audio, as SDL_Quit would.
    void close() override;
    void lock() override;
    void unlock() override;
    // Nothing: the device's thread asks for the sound as it plays.
    void pull(double time) override;
};
