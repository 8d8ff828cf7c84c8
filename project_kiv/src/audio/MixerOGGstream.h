#pragma once
// MixerOGGstream: the source of a music track: the compressed Ogg Vorbis file
// stays in memory and is decoded one chunk at a time, on demand, into a fixed
// buffer of 32768 stereo frames that its one channel reads. With loop set the
// last chunk of the track is followed directly by the first one. A stream that
// cannot be decoded further (or a looping one that holds no samples) ends
// like a track that does not loop, and stays ended until it is rewound; the
// channel's deletion on the main thread reports it (reportFailure). A hole
// (a damaged part) is skipped and the track plays on from the next good
// page; the Mixer's next update logs it, once (reportDamage).
//
// Owned by a SoundStream, whose MemoryFile must outlive it. The decoder and
// the chunk buffer belong to the source, so only one channel may play it
// (maxPlaybacks 1; Mixer::play drops the old channel before making a new one).
// refill runs on SDL's audio thread inside the mix, and with rewind on the
// main thread when a channel is made; never both at once.
#include "MixerOGG.h"

class MixerOGGstream : public MixerOGG {
public:
    static constexpr int CHUNK_FLOATS = 65536;

    // file is kept for the object's whole life; maxPlaybacks must be 1.
    MixerOGGstream(MemoryFile* file, bool loop, int maxPlaybacks);
    ~MixerOGGstream() override;

    // Decodes the next chunk when the channel has played the current one.
    bool refill(int& playCursor, int& playMax) override;
    // Puts the decoder back at the start of the track, reporting and
    // forgetting a failure of the previous play.
    void rewind() override;
};
