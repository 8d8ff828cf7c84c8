#pragma once
// Sound: one sound effect: an Ogg Vorbis file decoded whole into memory when
// the Sound is made, then played any number of times, overlapping (each
// playback a Mixer channel, at most maxPlaybacks at once: the oldest is
// dropped). The play operations are fire-and-forget; a caller that must stop
// a playback later keeps a SoundChannel of its own.
//
// Made by the loader and registered as a resource; it lives until the end of
// the run. While audio is muted it reads no file and every play does nothing.
// Main thread only.
#include "KivBase.h"
#include "UString.h"
#include "V3.h"

#include <limits>

class MixerOGGstatic;

class Sound : public KivBase {
    KIV_DECLARE_CLASS()
public:
    // fileName: a data file such as "sfx/pop.ogg"; a missing file or one that
    // is not Ogg Vorbis is fatal (unless muted).
    Sound(const UString& fileName, bool loop, int maxPlaybacks);
    ~Sound() override;

    // Once, at 1 + a random pitch variation between pitchMin and pitchMax.
    void play();
    // As play, panned from the screen position's x.
    void playAt(V3 position);
    // Once at frequency: up to 100 a factor of the sound's rate, above in Hz.
    void playAtFrequency(float frequency);
    // Once, shifted by semitones (a factor of 1.0595 each).
    void playPitched(int semitones);

    // Frame time (KivAudio::frameTime, seconds) of the last start of any
    // channel of this sound; minus infinity before the first, which is never
    // refused.
    double lastStartTime = -std::numeric_limits<double>::infinity();
    // Least time (seconds) between two starts; earlier ones are dropped.
    double minStartInterval = 0.0;
    float pitchMin = 0.0f;
    float pitchMax = 0.0f;
    // The decoded sample, owned; null while muted.
    MixerOGGstatic* pSource = nullptr;

private:
    float randomPitchFactor() const;
};
