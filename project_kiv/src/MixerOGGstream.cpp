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
    ov_raw_seek(&vf, 0);
}

long MixerOGGstream::readBlock(float*** pcm)
{
    int bitstream = 0;
    // Never more frames than the chunk buffer holds, whatever the decoder has ready.
    return ov_read_float(&vf, pcm, dataCapacity / 2, &bitstream);
}

bool MixerOGGstream::refill(int& playCursor, int& playMax)
{
    if (playCursor < playMax)
        return true;
    float** pcm = nullptr;
    long result = readBlock(&pcm);
    KIV_ASSERT(result>=0);
    if (result == 0) {
        if (!loop)
            return false;
        ov_raw_seek(&vf, 0);
        result = readBlock(&pcm);
        KIV_ASSERT(result>0);
    }
    const int channelCount = currentChannels();
    if (!storeFrames(pcm, result, channelCount, data))
        KIV_ERROR("Unhandled number of channels: %d", channelCount);
    dataSize = 2 * static_cast<int32_t>(result);
    playCursor = 0;
    playMax = dataSize;
    return true;
}
