#include "OggDecoder.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>

OggDecoder::~OggDecoder()
{
    if (bOpen)
        ov_clear(&vf);
}

bool OggDecoder::open(const unsigned char* bytes, uint32_t size)
{
    data = bytes;
    dataSize = size;
    readPosition = 0;
    const ov_callbacks callbacks = {readCallback, seekCallback, nullptr, tellCallback};
    if (ov_open_callbacks(this, &vf, nullptr, 0, callbacks) != 0)
        return false;
    bOpen = true;
    const vorbis_info* info = ov_info(&vf, -1);
    channels = info->channels;
    rate = static_cast<int32_t>(info->rate);
    length = static_cast<int32_t>(std::clamp<ogg_int64_t>(ov_pcm_total(&vf, -1), 0, INT32_MAX / 2));
    return true;
}

int OggDecoder::getCurrentChannels()
{
    return bOpen ? ov_info(&vf, -1)->channels : 0;
}

long OggDecoder::readStereo(float* destination, int maxFrames)
{
    if (!bOpen || maxFrames <= 0)
        return 0;
    float** pcm = nullptr;
    int bitstream = 0;
    const long frames = ov_read_float(&vf, &pcm, maxFrames, &bitstream);
    if (frames <= 0)
        return frames;
    const int channelCount = getCurrentChannels();
    if (channelCount == 1) {
        for (long i = 0; i < frames; ++i)
            destination[2 * i] = destination[2 * i + 1] = pcm[0][i];
        return frames;
    }
    if (channelCount == 2) {
        for (long i = 0; i < frames; ++i) {
            destination[2 * i] = pcm[0][i];
            destination[2 * i + 1] = pcm[1][i];
        }
        return frames;
    }
    return UNHANDLED_CHANNELS;
}

bool OggDecoder::rewind()
{
    return bOpen && ov_raw_seek(&vf, 0) == 0;
}

size_t OggDecoder::readCallback(void* buffer, size_t size, size_t count, void* dataSource)
{
    OggDecoder* decoder = static_cast<OggDecoder*>(dataSource);
    const uint32_t fileSize = decoder->dataSize;
    // A seek may have left the position outside the data: nothing to read there.
    if (size == 0 || decoder->readPosition < 0 || static_cast<uint32_t>(decoder->readPosition) >= fileSize)
        return 0;
    const uint32_t left = fileSize - static_cast<uint32_t>(decoder->readPosition);
    const uint32_t wanted = static_cast<uint32_t>(std::min<size_t>(size * count, UINT32_MAX));
    const uint32_t n = std::min(wanted, left);
    std::memcpy(buffer, decoder->data + decoder->readPosition, n);
    decoder->readPosition += static_cast<int32_t>(n);
    return n / size;
}

int OggDecoder::seekCallback(void* dataSource, ogg_int64_t offset, int origin)
{
    OggDecoder* decoder = static_cast<OggDecoder*>(dataSource);
    const uint32_t low = static_cast<uint32_t>(offset);
    uint32_t base;
    switch (origin) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = static_cast<uint32_t>(decoder->readPosition); break;
    case SEEK_END: base = decoder->dataSize; break;
    default: return -1;
    }
    decoder->readPosition = static_cast<int32_t>(base + low);
    return 0;
}

long OggDecoder::tellCallback(void* dataSource)
{
    return static_cast<OggDecoder*>(dataSource)->readPosition;
}
