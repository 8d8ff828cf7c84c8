#include "OggDecoder.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstring>
#if defined(__SSE__)
#include <xmmintrin.h>
#endif

namespace {

// Writes frames stereo pairs (left[i], right[i]) to out. Decoded frames are
// read again only as they are played, long after they were written: where
// the vector unit allows, the stores bypass the cache instead of pushing the
// decoder's own tables out of it, which would slow the rest of the decode.
void interleave(const float* left, const float* right, long frames, float* out)
{
    long i = 0;
#if defined(__SSE__)
    // Streaming stores need 16-byte alignment; frames are 8 bytes.
    if (frames > 0 && reinterpret_cast<uintptr_t>(out) % 16 == 8) {
        out[0] = left[0];
        out[1] = right[0];
        i = 1;
        out += 2;
    }
    if (reinterpret_cast<uintptr_t>(out) % 16 == 0) {
        for (; i + 4 <= frames; i += 4, out += 8) {
            const __m128 l = _mm_loadu_ps(left + i);
            const __m128 r = _mm_loadu_ps(right + i);
            _mm_stream_ps(out, _mm_unpacklo_ps(l, r));
            _mm_stream_ps(out + 4, _mm_unpackhi_ps(l, r));
        }
        // Streamed stores are ordered with the ones that follow, so whoever
        // reads the frames next (maybe on the audio thread) sees them.
        _mm_sfence();
    }
#endif
    for (; i < frames; ++i, out += 2) {
        out[0] = left[i];
        out[1] = right[i];
    }
}

} // namespace

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
    long frames;
    // Each hole the library reports lies behind a page it has read, so this
    // ends within the stream's pages.
    while ((frames = ov_read_float(&vf, &pcm, maxFrames, &bitstream)) == OV_HOLE)
        bHoleSkipped.store(true, std::memory_order_relaxed);
    if (frames <= 0)
        return frames;
    const int channelCount = getCurrentChannels();
    if (channelCount != 1 && channelCount != 2)
        return UNHANDLED_CHANNELS;
    // A mono sample sounds on both sides at full level.
    interleave(pcm[0], pcm[channelCount - 1], frames, destination);
    return frames;
}

const char* OggDecoder::describe(long answer)
{
    switch (answer) {
    case UNHANDLED_CHANNELS: return "a channel count other than 1 or 2";
    case OV_EBADLINK: return "a link that cannot be set up";
    case OV_EBADHEADER: return "damaged headers";
    case OV_ENOTVORBIS: return "data that is not Vorbis";
    default: return "the decoder failed";
    }
}

bool OggDecoder::rewind()
{
    return bOpen && ov_raw_seek(&vf, 0) == 0;
}

size_t OggDecoder::readCallback(void* buffer, size_t size, size_t count, void* dataSource)
{
    OggDecoder* decoder = static_cast<OggDecoder*>(dataSource);
    const uint32_t fileSize = decoder->dataSize;
    // A seek may have left the position outside the data: nothing to read
    // there.
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
