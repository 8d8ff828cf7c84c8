#include "MixerOGGstream.h"

#include "ErrorManager.h"

MixerOGGstream::MixerOGGstream(MemoryFile* file, bool loopAtEnd, int playbacks)
    : MixerOGG(file, loopAtEnd, playbacks)
{
    KIV_ASSERT(maxPlaybacks==1);
    dataCapacity = CHUNK_FLOATS;
    data = new float[dataCapacity];
}

MixerOGGstream::~MixerOGGstream() = default;

void MixerOGGstream::rewind()
{
    // No channel of the source is live here: the last one's damage and
    // failure are told before the track is tried again from its start.
    reportDamage();
    reportFailure();
    failure.store(nullptr);
    bFailureReported = false;
    decoder.rewind();
}

bool MixerOGGstream::refill(int& playCursor, int& playMax)
{
    if (playCursor < playMax)
        return true;
    if (failure.load(std::memory_order_relaxed))
        return false;
    // Never more frames than the chunk buffer holds, whatever the decoder has
    // ready.
    long result = decoder.readStereo(data, dataCapacity / 2);
    if (result == 0) {
        if (!loop)
            return false;
        decoder.rewind();
        result = decoder.readStereo(data, dataCapacity / 2);
        if (result == 0) {
            failure.store("no samples from its start");
            return false;
        }
    }
    // The music ends, not the game: the main thread reports it (reportFailure).
    if (result < 0) {
        failure.store(OggDecoder::describe(result));
        return false;
    }
    dataSize = 2 * static_cast<int32_t>(result);
    playCursor = 0;
    playMax = dataSize;
    return true;
}
