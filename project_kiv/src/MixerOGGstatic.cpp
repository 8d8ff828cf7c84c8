#include "MixerOGGstatic.h"

#include "ErrorManager.h"

#include <algorithm>

namespace {
constexpr int MAX_FRAMES_PER_READ = 65536;
}

MixerOGGstatic::MixerOGGstatic(MemoryFile* file, bool loopAtEnd, int playbacks)
    : MixerOGG(file, loopAtEnd, playbacks)
{
    dataCapacity = 2 * length;
    data = new float[dataCapacity];
    int32_t framesStored = 0;
    // Asking for no more than the frames still room for keeps a stream that
    // yields more than its announced length from writing past data.
    while (framesStored < length) {
        float** pcm = nullptr;
        int bitstream = 0;
        long result = ov_read_float(&vf, &pcm, std::min(MAX_FRAMES_PER_READ, length - framesStored), &bitstream);
        KIV_ASSERT(result>=0);
        if (result == 0)
            break;
        const int channelCount = currentChannels();
        if (!storeFrames(pcm, result, channelCount, data + 2 * framesStored))
            KIV_ERROR("Unhandled number of channels: %d", channelCount);
        framesStored += static_cast<int32_t>(result);
    }
    // A stream that yields fewer frames than announced plays only what it had.
    dataSize = 2 * framesStored;
    pFile = nullptr;
}

MixerOGGstatic::~MixerOGGstatic() = default;

bool MixerOGGstatic::refill(int& playCursor, int& playMax)
{
    if (playMax < 0) {
        playCursor = 0;
        playMax = dataSize;
    }
    if (playCursor < playMax)
        return true;
    // An empty sample has nothing to loop over: it ends like one that does not loop.
    if (!loop || dataSize == 0)
        return false;
    playCursor = 0;
    return true;
}
