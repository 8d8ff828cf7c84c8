#include "MixerOGGstatic.h"

#include "ErrorManager.h"
#include "MemoryFile.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int MAX_FRAMES_PER_READ = 65536;
// Vorbis holds a few frames per byte (the generated sounds and music five at
// most, the headers alone weigh some kilobytes); a length announced beyond
// this many frames per byte of the file is not reserved on trust.
constexpr int64_t MOST_FRAMES_PER_BYTE = 64;
}

MixerOGGstatic::MixerOGGstatic(MemoryFile* file, bool loopAtEnd, int playbacks)
    : MixerOGG(file, loopAtEnd, playbacks)
{
    // The announced length comes from the stream's last page, which a damaged
    // stream may have wrong. Frames are decoded straight into data, reserved
    // once for the announced length when the file's size makes it plausible,
    // and doubled whenever a stream holds more; data never holds more than
    // was announced, and ends up holding only what was decoded.
    int32_t capacityFrames = static_cast<int32_t>(std::min<int64_t>(length, MOST_FRAMES_PER_BYTE * file->size));
    moveData(capacityFrames, 0);
    int32_t framesStored = 0;
    while (framesStored < length) {
        if (framesStored == capacityFrames) {
            capacityFrames = static_cast<int32_t>(std::min<int64_t>(length, 2 * int64_t(capacityFrames)));
            moveData(capacityFrames, framesStored);
        }
        const int wanted = std::min(MAX_FRAMES_PER_READ, capacityFrames - framesStored);
        const long result = decoder.readStereo(data + 2 * framesStored, wanted);
        if (result < 0)
            failDecoding(result, __func__, __FILE__, __LINE__);
        if (result == 0)
            break;
        framesStored += static_cast<int32_t>(result);
    }
    // A stream that yields fewer frames than announced plays only what it had.
    if (framesStored < capacityFrames)
        moveData(framesStored, framesStored);
    dataSize = 2 * framesStored;
    dataCapacity = dataSize;
    pFile = nullptr;
    reportDamage();
}

MixerOGGstatic::~MixerOGGstatic() = default;

void MixerOGGstatic::failDecoding(long answer, const char* function, const char* sourceFile, int line)
{
    if (answer == OggDecoder::UNHANDLED_CHANNELS)
        kivFatal("Error: %s\n Function: %s()\n File: %s\n Line: %d",
                 formatString("Unhandled number of channels: %d in file %s.", decoder.getCurrentChannels(),
                              fileDescription.c_str())
                     .c_str(),
                 function, sourceFile, line);
    kivFatalStatement(
        formatString("File %s cannot be decoded: %s.", fileDescription.c_str(), OggDecoder::describe(answer)).c_str(),
        "result>=0", function, sourceFile, line);
}

void MixerOGGstatic::moveData(int32_t frames, int32_t framesKept)
{
    // Never empty, so that data is always an allocation of its own.
    float* moved = new float[2 * static_cast<size_t>(std::max(frames, 1))];
    if (data)
        std::copy(data, data + 2 * static_cast<size_t>(framesKept), moved);
    delete[] data;
    data = moved;
}

bool MixerOGGstatic::refill(int& playCursor, int& playMax)
{
    if (playMax < 0) {
        playCursor = 0;
        playMax = dataSize;
    }
    if (playCursor < playMax)
        return true;
    // An empty sample has nothing to loop over: it ends like one that does not
    // loop.
    if (!loop || dataSize == 0)
        return false;
    playCursor = 0;
    return true;
}
