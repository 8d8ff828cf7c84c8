#pragma once
// MixerOGG: the sound source that Mixer channels play: an Ogg Vorbis stream
// held compressed in a MemoryFile, decoded by its OggDecoder, and its decoded
// samples as interleaved stereo floats in data. When and how much is decoded
// is the subclasses' business: MixerOGGstatic decodes everything at load,
// MixerOGGstream one chunk at a time while it plays. A stream that cannot be
// opened is fatal here, naming the file, as every broken game file is; what
// cannot be decoded later is the subclasses' to judge. A stream with a hole
// (a damaged part, skipped) plays on, and the log says so once.
//
// Owned by a Sound or a SoundStream, which first has the Mixer drop every
// channel of it (Mixer::stopSource) before deleting it. Constructed and
// destroyed on the main thread; refill runs on SDL's audio thread inside the
// mix and on the main thread when a channel is made, never both at once.
#include "KivBase.h"
#include "OggDecoder.h"
#include "UString.h"

#include <atomic>
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
    // Called when a channel is made, so that it hears the source from its
    // start.
    virtual void rewind() {}
    // Main thread: when the stream could not be decoded further (failure),
    // logs once why, naming the file. The log is the main thread's, so the
    // decoding thread leaves the report to this.
    void reportFailure();
    // Main thread: the first time the decoder is found to have skipped a
    // hole, logs once in the source's life that the file is damaged, naming
    // it. Later holes, and the same hole met again after a rewind, say nothing.
    void reportDamage();

    int32_t rate = 0;          // Hz of the decoded data
    int32_t maxPlaybacks;      // most channels of this source sounding at once
    MemoryFile* pFile;         // compressed stream, not owned
    OggDecoder decoder;
    bool loop;                 // at the end of the data, go on from its start
    int32_t length = 0;        // samples per channel the stream announces
    int32_t channels = 0;      // channel count of the stream
    float* data = nullptr;     // interleaved stereo frames, owned
    int32_t dataSize = 0;      // valid floats in data (two per frame)
    int32_t dataCapacity = 0;  // floats allocated for data
    // The file as reports name it: "'sfx/a.ogg' in the archive
    // './Glimmerdaledemo.dat'".
    const UString fileDescription;

protected:
    // Why the stream cannot be decoded further (a text of static storage), or
    // null while it can: set by whichever thread decodes, cleared on the main
    // thread when a channel rewinds the source.
    std::atomic<const char*> failure{nullptr};
    bool bFailureReported = false;
    bool bDamageReported = false;
};
