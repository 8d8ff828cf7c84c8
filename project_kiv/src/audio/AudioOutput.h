#pragma once
// AudioOutput: where the engine's mixed sound goes, and who asks for it.
// KivAudio opens it in the format it wants, with the callback that mixes
// one buffer (SDL's callback type, given in the desired format). An output
// with a thread of its own (SDL's device, SdlAudioOutput, the program's)
// calls the callback there as it plays; one without calls it on the main
// thread, for the time the engine's frame hands it (pull). The engine
// borrows it from its host (KivHost) for its whole life; it is opened at
// most once per engine and closed at the engine's end, with SDL. Main
// thread, but for the callback.
#include <SDL/SDL_audio.h>

class AudioOutput {
public:
    virtual ~AudioOutput() = default;

    // Opens the output, as close to desired as it can, paused; obtained is
    // what it gives, and the callback's buffers have obtained.size bytes.
    // An output that cannot open is a fatal error.
    virtual void open(const SDL_AudioSpec& desired, SDL_AudioSpec& obtained) = 0;
    // Stops calling the callback (true) or starts again (false); nothing
    // while not open.
    virtual void pause(bool bPaused) = 0;
    // Stops the callback for good and lets the device go; nothing while not
    // open.
    virtual void close() = 0;
    // Between the two no callback runs; one already running is waited for.
    virtual void lock() = 0;
    virtual void unlock() = 0;
    // Once in each working frame of the engine, with its time (seconds):
    // an output that no thread of its own feeds mixes the sound up to that
    // time now, unless paused.
    virtual void pull(double time) = 0;
};
