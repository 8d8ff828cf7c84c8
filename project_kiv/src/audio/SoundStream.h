#pragma once
// SoundStream: one music track: an Ogg Vorbis file whose compressed bytes stay
// in memory for the life of the track and are decoded piece by piece while it
// plays, on one looping Mixer channel that takes the music volume. Played,
// faded and stopped through KivAudio's current music. A track that cannot be
// opened is fatal at load, naming the file; one that cannot be decoded
// further while it plays stops, and the log names the file; a damaged part
// is skipped, and the log names the file the first time.
//
// Made by the loader and registered as a resource; it lives until the end of
// the run. While audio is muted the file is still read, no decoder is built
// and every operation does nothing. Main thread only; the audio thread reads
// file through the source while the channel plays.
#include "KivBase.h"
#include "MemoryFile.h"
#include "UString.h"

#include <cstdint>

class MixerOGGstream;

class SoundStream : public KivBase {
public:
    // A missing file is fatal, muted or not.
    SoundStream(const UString& fileName, bool loop);
    ~SoundStream() override;

    // A new channel from the start of the track, started at once, unless the
    // track's channel still plays (then nothing changes).
    void play();
    void stop();
    // volume 0..1 over seconds (0: at once); a fade to 0 ends the channel.
    void setVolume(float volume, double seconds);
    bool isPlaying() const;

    // The compressed track; outlives pSource, which reads it.
    MemoryFile file;
    MixerOGGstream* pSource = nullptr;
    // The current or last channel; -1 before the first play.
    int32_t channelId = -1;
};
