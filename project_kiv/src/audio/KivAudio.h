#pragma once
// KivAudio: the engine's audio device. It reads its settings from section
// "KivAudio" of the engine configuration (bMute, frequency,
// mixBufferDuration), opens the SDL audio device with a callback that hands
// every device buffer to the Mixer it owns, keeps the current music track,
// sets the master volumes, purges ended channels once per frame, and pauses
// or resumes the device when the engine leaves or re-enters MODE_OK. With
// bMute set nothing is opened and no Mixer exists for the whole run.
//
// Owned by the engine object (pKiv->pAudio). Main thread only, except
// audioCallback, which SDL runs on its audio thread holding the audio lock.
// It is the only class that calls SDL audio: the Mixer takes the audio lock
// through KivAudio::Lock, and the program's shutdown pauses the device
// through pauseDevice.
#include "RuntimeClass.h"

#include <SDL/SDL_audio.h>

class Mixer;
class SoundStream;

class KivAudio {
public:
    // Holds SDL's audio lock for its scope: a callback already running is
    // waited for, and none runs until the lock is released. Main thread.
    class Lock {
    public:
        Lock();
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
    };

    KivAudio();
    KivAudio(const KivAudio&) = delete;
    KivAudio& operator=(const KivAudio&) = delete;

    static RuntimeClass classRecord;
    virtual const RuntimeClass* getRuntimeClass() const;
    // Writes frequency back to the configuration, pauses the device and
    // deletes the Mixer; SDL_Quit closes the device later.
    virtual ~KivAudio();
    // Writes frequency into the configuration (in memory; the engine saves
    // the file). Main thread.
    void storeSettings() const;
    // At each single engine mode step: 3 to 2 pauses the device, 2 to 3 resumes it.
    virtual void onKIVmodeChange(int oldMode, int newMode);
    // Pauses the device at once, so nothing more is heard while the program
    // tears its objects down; the next step into MODE_OK resumes it.
    void pauseDevice();

    // The engine's Mixer, or null while audio is muted.
    static Mixer* getMixer();

    // Once per working frame, with the engine time of the frame (seconds):
    // keeps it as frameTime and deletes the channels that have ended.
    void update(double time);
    // Master volumes, 0..1; dropped while muted.
    void setSoundVolume(float volume);
    void setMusicVolume(float volume);
    // Deletes every channel and forgets the current music.
    void stopAll();
    // Makes stream (or null: none) the current music; the current one goes on
    // uninterrupted, another one is stopped first.
    void setMusic(SoundStream* stream);
    // Fades the current music to volume (0..1) over seconds; a target of 0
    // also forgets the track, whose channel ends by itself when the fade does.
    void fadeMusic(float volume, double seconds);
    void stopMusic();

    // SDL's audio thread: userdata is the KivAudio.
    static void audioCallback(void* userdata, Uint8* stream, int len);

    Mixer* pMixer = nullptr;
    // Rate asked of the device (Hz); a change takes effect at the next start.
    int frequency = 0;
    bool bMute = false;
    // The current music track, not owned.
    SoundStream* pMusic = nullptr;
    // Engine time (seconds) of the latest update, 0 before the first: the
    // clock on which sounds keep their minimum interval between starts.
    double frameTime = 0.0;
};
