#pragma once
// SoundChannel: the game's handle on one playback of a Sound. Making it makes
// a Mixer channel of the sound, not yet started (dropping the sound's oldest
// channel when maxPlaybacks of them exist); play starts it, subject to the
// sound's minimum interval between starts, measured on the frame time the
// engine hands the audio device (KivAudio::frameTime). Destroying the handle
// leaves the Mixer channel alone, so a started playback runs on to its end;
// an owner that may never call play calls stop first.
//
// Main thread only. While audio is muted no Mixer channel is made and every
// operation does nothing.
#include "KivBase.h"
#include "V3.h"

#include <cstdint>

class Sound;

class SoundChannel : public KivBase {
    KIV_DECLARE_CLASS()
public:
    // sound: borrowed, never null (fatal).
    explicit SoundChannel(Sound* sound);
    ~SoundChannel() override;

    // Starts the channel when the sound's minimum interval has passed since
    // its last start (both in KivAudio::frameTime); otherwise deletes it
    // unplayed.
    void play();
    void stop();
    // frequency up to 100: a factor of the sound's rate (negative counts as 0);
    // above 100: Hz. Glides over seconds (0: at once).
    void setFrequency(float frequency, double seconds);
    // volume 0..1 over seconds.
    void setVolume(float volume, double seconds);
    // pan -1 (left) .. 1 (right) over seconds.
    void setPan(float pan, double seconds);
    // Pans at once from a world x, 0 at the centre of a view fovWidth wide.
    void setPanFromScreenX(V3 position);
    // Moves the play position to a fraction (0..1) of the data.
    void setPosition(float fraction);
    // The Mixer channel still exists and was started; false while muted.
    bool isPlaying() const;

    Sound* pSound;
    // The Mixer channel made by the constructor; -1 when none was made.
    int32_t channelId = -1;
};
