#pragma once
// Mixer: the engine's software mixer. Every playing sound is a MixerChannel
// child of the Mixer (list order is creation order, oldest first), reached by
// an integer channel id that is never reused. From the audio output's
// callback, mix clears a float stereo buffer, lets each live channel add
// itself, clamps the sum to [-1, 1] and converts it to the device's sample
// format.
//
// Owned by KivAudio (none while audio is muted). Threads: mix runs where the
// output calls it (in the program on SDL's audio thread, holding SDL's audio
// lock); every other operation runs on the main thread, and those that
// change a channel or the channel list take the audio lock (KivAudio::Lock)
// themselves. The audio thread never links, unlinks or deletes a channel: it
// only mixes and sets a channel's dead flag; update deletes dead channels on
// the main thread once per frame.
#include "KivBase.h"

#include <SDL/SDL_audio.h>

#include <atomic>
#include <cstdint>

class MixerChannel;
class MixerOGG;

class Mixer : public KivBase {
public:
    // obtained: the device format SDL_OpenAudio returned; the Mixer works in
    // its format, rate and buffer size.
    explicit Mixer(SDL_AudioSpec obtained);
    ~Mixer() override;

    // A new, not yet started channel of source (borrowed; it must outlive the
    // channel). When the source already has maxPlaybacks live channels its
    // oldest one is deleted first. loop selects the music master volume.
    int32_t play(MixerOGG* source, bool loop);
    // Deletes every channel of source before returning, so the caller may
    // delete the source afterwards.
    void stopSource(MixerOGG* source);
    // The live channel with that id; null for -1 or an id that names none.
    // Unlocked: main thread only.
    MixerChannel* getChannel(int32_t id) const;
    bool isPlaying(int32_t id) const;
    // Moves the play cursor to a fraction (clamped to 0..1) of the channel's
    // data.
    void setPosition(int32_t id, float fraction);
    // volume 0..1, fading over seconds (at once when shorter than a frame).
    void setVolume(int32_t id, float volume, double seconds);
    // frequency in Hz, fading over seconds.
    void setFrequency(int32_t id, float frequency, double seconds);
    // pan -1 (left) .. 1 (right), fading over seconds.
    void setPan(int32_t id, float pan, double seconds);
    // Unlinks and deletes the channel at once.
    void stop(int32_t id);
    void start(int32_t id);
    // Deletes the channels that have ended, each source first logging why its
    // channel stopped when it could not be decoded further; every source
    // played logs the first damage found in it. Once per frame.
    void update();
    // Audio thread: fills len bytes of stream in the device's format.
    void mix(Uint8* stream, int len);
    // Tells the engine's observer, if any, that the channel is about to go
    // and why; a channel that has ended by itself tells its own reason.
    // Main thread, caller holds the audio lock.
    static void tellEnded(const MixerChannel& channel, const char* why);

    // Master volumes (0..1) of looping (music) and other (sound) channels:
    // written by the main thread, read by the audio thread at each pass.
    std::atomic<float> musicVolume{1.0f};
    std::atomic<float> soundVolume{1.0f};
    SDL_AudioSpec output;
    int32_t nextChannelId = 0;
    float* mixBuffer = nullptr;
    int32_t mixBufferSize = 0;
    int32_t bytesPerSample = 0;
    double secondsPerSample = 0.0;

private:
    // Fade rule shared by the three faded values; caller holds the audio lock.
    void setFade(float& value, int32_t& frames, float& delta, float target, double seconds) const;
    // Has every playing source log the first damage found in it and every
    // ended channel's source log why it stopped, then deletes the ended
    // channels and every channel of the stopped source (null: none): update
    // and stopSource; main thread, caller holds the audio lock.
    void reportDamageAndDeleteEndedChannels(const MixerOGG* stopped);
    void convert(Uint8* stream, int numSamples);
};
