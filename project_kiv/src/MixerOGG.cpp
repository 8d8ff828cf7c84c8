#include "MixerOGG.h"

#include "ErrorManager.h"
#include "Logger.h"
#include "MemoryFile.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

MixerOGG::MixerOGG(MemoryFile* file, bool loopAtEnd, int playbacks)
    : maxPlaybacks(playbacks), pFile(file), loop(loopAtEnd)
{
    std::memset(&vf, 0, sizeof(vf));
    ov_callbacks cb = {readCallback, seekCallback, nullptr, tellCallback};
    KIV_ASSERT(ov_open_callbacks(this, &vf, NULL, 0, cb)==0);
    const vorbis_info* info = ov_info(&vf, -1);
    channels = info->channels;
    rate = static_cast<int32_t>(info->rate);
    KIV_LOG("\t%d Hz, %s.", rate, channels == 1 ? "mono" : "stereo");
    // Kept so that two floats per frame still fit a 32-bit count.
    length = static_cast<int32_t>(std::clamp<ogg_int64_t>(ov_pcm_total(&vf, -1), 0, INT32_MAX / 2));
}

MixerOGG::~MixerOGG()
{
    ov_clear(&vf);
    delete[] data;
    data = nullptr;
}

size_t MixerOGG::readCallback(void* buffer, size_t size, size_t count, void* dataSource)
{
    MixerOGG* source = static_cast<MixerOGG*>(dataSource);
    const uint32_t fileSize = source->pFile->size;
    // A seek may have left the position outside the file: nothing to read there.
    if (size == 0 || source->readPosition < 0 || static_cast<uint32_t>(source->readPosition) >= fileSize)
        return 0;
    const uint32_t left = fileSize - static_cast<uint32_t>(source->readPosition);
    const uint32_t wanted = static_cast<uint32_t>(std::min<size_t>(size * count, UINT32_MAX));
    const uint32_t n = std::min(wanted, left);
    std::memcpy(buffer, source->pFile->data + source->readPosition, n);
    source->readPosition += static_cast<int32_t>(n);
    return n / size;
}

int MixerOGG::seekCallback(void* dataSource, ogg_int64_t offset, int origin)
{
    MixerOGG* source = static_cast<MixerOGG*>(dataSource);
    const uint32_t low = static_cast<uint32_t>(offset);
    uint32_t base;
    switch (origin) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<uint32_t>(source->readPosition); break;
    case SEEK_END: base = source->pFile->size; break;
    default: return -1;
    }
    source->readPosition = static_cast<int32_t>(base + low);
    return 0;
}

long MixerOGG::tellCallback(void* dataSource)
{
    return static_cast<MixerOGG*>(dataSource)->readPosition;
}

int MixerOGG::currentChannels()
{
    return ov_info(&vf, -1)->channels;
}

bool MixerOGG::storeFrames(float** pcm, long frames, int channelCount, float* destination)
{
    if (channelCount == 1) {
        for (long i = 0; i < frames; ++i)
            destination[2 * i] = destination[2 * i + 1] = pcm[0][i];
        return true;
    }
    if (channelCount == 2) {
        for (long i = 0; i < frames; ++i) {
            destination[2 * i] = pcm[0][i];
            destination[2 * i + 1] = pcm[1][i];
        }
        return true;
    }
    return false;
}
