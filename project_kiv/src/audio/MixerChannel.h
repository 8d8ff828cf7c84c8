#pragma once
// MixerChannel: one playback of a sound source inside the Mixer: the read
// position in the source's decoded data, the playback frequency (pitch), the
// volume and the pan, each with a linear fade counted in output frames. It
// resamples by taking the source frame at the integer part of a fractional
// position. It ends itself by setting its dead flag when the source runs out
// or a volume fade ends below audibility; the Mixer deletes it later, first
// having its source log why it stopped when it could not be decoded further
// (MixerOGG::reportFailure).
//
// Owned by the Mixer (its parent). mixChannel runs on SDL's audio thread;
// everything else touches a linked channel only on the main thread under
// SDL's audio lock (see Mixer).
#include "KivBase.h"

#include <cstdint>

class MixerOGG;

class MixerChannel : public KivBase {
public:
    // Rewinds the source and asks it for its first play range. source is
    // borrowed and must outlive the channel.
    explicit MixerChannel(MixerOGG* source);
    ~MixerChannel() override;

    // Audio thread: adds the channel's next frames into the first numSamples
    // floats (interleaved stereo) of mixBuffer. Needs the Mixer as parent.
    void mixChannel(float* mixBuffer, int numSamples);
    // The gain the mix applies at a level of the channel's own volume
    // (0..1000): the master volume of its kind (music for a looping channel,
    // sounds otherwise) times level / 1000. Needs the Mixer as parent.
    float gainAt(float level) const;

    int32_t id = -1;
    // Selects the music master volume instead of the sound one; repeating is
    // the source's own setting.
    bool loop = false;
    bool playing = false;
    // Positions in the source's data, in floats (two per frame), always even.
    int32_t playCursor = -1;
    int32_t playMax = -1;
    // Output frames left in each fade.
    int32_t frequencyFrames = 0;
    int32_t volumeFrames = 0;
    int32_t panFrames = 0;
    float pan = 0.0f;        // -1000 full left .. 1000 full right
    float frequency = 0.0f;  // Hz at which source frames are consumed
    float volume = 1000.0f;  // 0 silent .. 1000 full
    float panDelta = 0.0f;
    float frequencyDelta = 0.0f;
    float volumeDelta = 0.0f;
    MixerOGG* pSource;
};
