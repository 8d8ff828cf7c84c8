#pragma once
// MixerOGGstatic: the source of a sound effect: the whole Ogg Vorbis stream is
// decoded while it is constructed into one buffer of float stereo frames,
// which every channel playing it reads through its own cursor, so a sample
// may sound on several channels at once (up to maxPlaybacks). A stream that
// cannot be decoded whole is fatal at load, naming the file; a hole (a
// damaged part) is skipped, and the load logs it once.
//
// Owned by a Sound. Immutable once constructed; refill only writes the
// calling channel's counters, so it may run on the audio thread and the main
// thread for different channels at the same time.
#include "MixerOGG.h"

class MixerOGGstatic : public MixerOGG {
public:
    // file is needed only during the constructor (pFile is null afterwards).
    MixerOGGstatic(MemoryFile* file, bool loop, int maxPlaybacks);
    ~MixerOGGstatic() override;

    bool refill(int& playCursor, int& playMax) override;

private:
    // The fatal report of readStereo's negative answer, in the caller's name.
    [[noreturn]] void failDecoding(long answer, const char* function, const char* sourceFile, int line);
    // data becomes a buffer of frames stereo frames holding the first
    // framesKept frames of the old one.
    void moveData(int32_t frames, int32_t framesKept);
};
