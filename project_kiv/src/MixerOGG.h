#pragma once
// MixerOGG: the sound source that Mixer channels play: an Ogg Vorbis stream
// held compressed in a MemoryFile, opened with libvorbisfile through read,
// seek and tell callbacks that work straight on that memory, and its decoded
// samples as interleaved stereo floats in data. When and how much is decoded
// is the subclasses' business: MixerOGGstatic decodes everything at load,
// MixerOGGstream one chunk at a time while it plays. This family is the only
// code that talks to libvorbisfile.
//
// Owned by a Sound or a SoundStream, which first has the Mixer drop every
// channel of it (Mixer::stopSource) before deleting it. Constructed and
// destroyed on the main thread; refill runs on SDL's audio thread inside the
// mix and on the main thread when a channel is made, never both at once.
#include "KivBase.h"

#include <vorbis/vorbisfile.h>

#include <cstddef>
#include <cstdint>

class MemoryFile;

class MixerOGG : public KivBase {
public:
    // file holds the compressed stream (borrowed); it must stay alive as long
    // as the decoder may read it. A stream that cannot be opened is fatal.
    MixerOGG(MemoryFile* file, bool loop, int maxPlaybacks);
    ~MixerOGG() override;

    // The calling channel's counters, in floats. True: the floats of data from
    // playCursor up to playMax may be played (playCursor below playMax, both
    // even). False: no more frames for this channel. Counters of -1 ask for
    // the first range.
    virtual bool refill(int& playCursor, int& playMax) = 0;
    // Called when a channel is made, so that it hears the source from its start.
    virtual void rewind() {}

    // libvorbisfile's memory callbacks; dataSource is the MixerOGG.
    static size_t readCallback(void* buffer, size_t size, size_t count, void* dataSource);
    static int seekCallback(void* dataSource, ogg_int64_t offset, int origin);
    static long tellCallback(void* dataSource);

    int32_t rate = 0;          // Hz of the decoded data
    int32_t maxPlaybacks;      // most channels of this source sounding at once
    MemoryFile* pFile;         // compressed stream, not owned
    OggVorbis_File vf;
    bool loop;                 // at the end of the data, go on from its start
    int32_t length = 0;        // samples per channel of the whole stream
    int32_t channels = 0;      // channel count of the stream
    float* data = nullptr;     // interleaved stereo frames, owned
    int32_t dataSize = 0;      // valid floats in data (two per frame)
    int32_t dataCapacity = 0;  // floats allocated for data
    int32_t readPosition = 0;  // byte offset of the decoder's next read

protected:
    // The channel count of the link being decoded: a chained file may change
    // it after the first link, which set channels.
    int currentChannels();
    // Writes frames decoded frames of pcm (one array per channel) to
    // destination as stereo pairs; a mono sample goes to both sides at full
    // level. False, writing nothing, for a channel count other than 1 or 2.
    static bool storeFrames(float** pcm, long frames, int channelCount, float* destination);
};
