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
    decoder.rewind();
}

bool MixerOGGstream::refill(int& playCursor, int& playMax)
{
    if (playCursor < playMax)
        return true;
    // Never more frames than the chunk buffer holds, whatever the decoder has ready.
    long result = decode(data, dataCapacity / 2, __func__, __FILE__, __LINE__);
    if (result == 0) {
        if (!loop)
            return false;
        decoder.rewind();
        result = decode(data, dataCapacity / 2, __func__, __FILE__, __LINE__);
        KIV_ASSERT(result>0);
    }
    dataSize = 2 * static_cast<int32_t>(result);
    playCursor = 0;
    playMax = dataSize;
    return true;
}
