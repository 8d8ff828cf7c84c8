#pragma once
// KivAudio: the engine's audio device. It reads its settings from section
// "KivAudio" of the engine configuration (bMute, frequency,
// mixBufferDuration), opens the engine's sound output (AudioOutput, the
// program's is SDL's device) with a callback that hands every buffer to the
// Mixer it owns, keeps the current music track, sets the master volumes,
// has the output take the sound of each frame and purges ended channels
// once per frame, and pauses or resumes the output when the engine leaves
// or re-enters MODE_OK. With bMute set nothing is opened and no Mixer
// exists for the whole run.
//
// Owned by the engine object (pKiv->pAudio); the output is borrowed. Main
// thread only, except audioCallback, which the output runs holding its
// lock (on SDL's audio thread in the program). The Mixer takes the output's
// lock through KivAudio::Lock, and the program's shutdown pauses the output
// through pauseDevice.
#include "RuntimeClass.h"

#include <SDL/SDL_audio.h>

class AudioOutput;
class Mixer;
class SoundStream;

class KivAudio {
public:
    // Holds the engine's output lock for its scope: a callback already
    // running is waited for, and none runs until the lock is released.
    // Nothing without an engine or its audio device. Main thread.
    class Lock {
    public:
        Lock();
        ~Lock();
        Lock(const Lock&) = delete;
        Lock& operator=(const Lock&) = delete;
    };

    // output: where the sound goes; borrowed, it must outlive the device.
    explicit KivAudio(AudioOutput& output);
    KivAudio(const KivAudio&) = delete;
    KivAudio& operator=(const KivAudio&) = delete;

    static RuntimeClass classRecord;
    virtual const RuntimeClass* getRuntimeClass() const;
    // Writes frequency back to the configuration, pauses the output and
    // deletes the Mixer; the output stays open (the engine closes it as SDL
    // ends).
    virtual ~KivAudio();
    // Writes frequency into the configuration (in memory; the engine saves
    // the file). Main thread.
    void storeSettings() const;
    // At each single engine mode step: 3 to 2 pauses the output, 2 to 3 resumes
    // it.
    virtual void onKIVmodeChange(int oldMode, int newMode);
    // Pauses the output at once, so nothing more is heard while the program
    // tears its objects down; the next step into MODE_OK resumes it.
    void pauseDevice();

    // The engine's Mixer, or null while audio is muted.
    static Mixer* getMixer();

    // Once per working frame, with the engine time of the frame (seconds):
    // keeps it as frameTime, has the output take the sound up to it (an
    // output without a thread of its own mixes it now) and deletes the
    // channels that have ended.
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

    // The output's callback (SDL's audio thread in the program): userdata
    // is the KivAudio.
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

private:
    AudioOutput& output;
};
