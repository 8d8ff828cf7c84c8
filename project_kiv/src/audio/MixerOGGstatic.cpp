#include "MixerOGGstatic.h"

#include <algorithm>
#include <vector>

namespace {
constexpr int MAX_FRAMES_PER_READ = 65536;
}

MixerOGGstatic::MixerOGGstatic(MemoryFile* file, bool loopAtEnd, int playbacks)
    : MixerOGG(file, loopAtEnd, playbacks)
{
    // The announced length comes from the stream's last page, which a damaged
    // stream may have wrong: the buffer grows with what is decoded instead of
    // being sized by it, and never holds more than was announced.
    std::vector<float> decoded;
    int32_t framesStored = 0;
    while (framesStored < length) {
        const int wanted = std::min(MAX_FRAMES_PER_READ, length - framesStored);
        decoded.resize(2 * static_cast<size_t>(framesStored + wanted));
        const long result = decode(decoded.data() + 2 * framesStored, wanted, __func__, __FILE__, __LINE__);
        if (result == 0)
            break;
        framesStored += static_cast<int32_t>(result);
    }
    // A stream that yields fewer frames than announced plays only what it had.
    dataSize = 2 * framesStored;
    dataCapacity = dataSize;
    data = new float[std::max(dataCapacity, 1)];
    std::copy(decoded.begin(), decoded.begin() + dataSize, data);
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
