#pragma once
// OggDecoder: one Ogg Vorbis stream held compressed in memory, opened with
// libvorbisfile through read, seek and tell callbacks that work straight on
// that memory, and decoded into interleaved stereo float frames. A hole in
// the stream (a page lost or damaged, which its checksum reveals) costs only
// the samples it held: decoding goes on after it, and the decoder remembers
// that it met one, for its owner to report. What it cannot do (bytes
// that are not Ogg Vorbis, a link it cannot set up, a channel count other
// than 1 or 2) it answers, and leaves the verdict to its owner: a sound's
// source (MixerOGGstatic) reports it as fatal, a music stream's
// (MixerOGGstream) ends the music, the fuzz target takes it as an answer.
// The only code that talks to libvorbisfile.
//
// Owned by a MixerOGG and used on the threads its owner names; one thread at
// a time, except hasSkippedHole, which any thread may ask.
#include <vorbis/vorbisfile.h>

#include <atomic>
#include <cstddef>
#include <cstdint>

class OggDecoder {
public:
    // readStereo's answer for a link whose channel count is not 1 or 2.
    static constexpr long UNHANDLED_CHANNELS = -1000000;

    OggDecoder() = default;
    ~OggDecoder();
    OggDecoder(const OggDecoder&) = delete;
    OggDecoder& operator=(const OggDecoder&) = delete;

    // Opens the stream of size bytes at bytes (borrowed: they must stay
    // alive and unchanged while the decoder may read them). False when
    // libvorbisfile cannot open it; the decoder then decodes nothing.
    bool open(const unsigned char* bytes, uint32_t size);
    // Of the first link: channel count and rate in Hz.
    int getChannels() const { return channels; }
    int32_t getRate() const { return rate; }
    // Frames (samples per channel) the stream announces, 0..INT32_MAX / 2 so
    // that two floats per frame still fit a 32-bit count. A damaged stream
    // may announce more than it holds, or less.
    int32_t getLength() const { return length; }
    // The channel count of the link being decoded: a chained stream may
    // change it after the first link.
    int getCurrentChannels();
    // Decodes at most maxFrames frames into destination as stereo pairs (a
    // mono sample goes to both sides at full level), going on past holes.
    // Returns the frames decoded, 0 at the end of the stream, a negative
    // libvorbisfile code when the stream cannot be decoded further, or
    // UNHANDLED_CHANNELS (nothing written).
    long readStereo(float* destination, int maxFrames);
    // readStereo's negative answer in words, for a report.
    static const char* describe(long answer);
    // Back to the start of the stream; false when it cannot go there.
    bool rewind();
    // Whether readStereo has ever skipped a hole: the stream is damaged. A
    // rewind does not clear it. Any thread.
    bool hasSkippedHole() const { return bHoleSkipped.load(std::memory_order_relaxed); }

    // libvorbisfile's memory callbacks; dataSource is the OggDecoder.
    static size_t readCallback(void* buffer, size_t size, size_t count, void* dataSource);
    static int seekCallback(void* dataSource, ogg_int64_t offset, int origin);
    static long tellCallback(void* dataSource);

    const unsigned char* data = nullptr;
    uint32_t dataSize = 0;
    // Byte offset of the decoder's next read; a seek may put it outside the
    // data.
    int32_t readPosition = 0;

private:
    OggVorbis_File vf{};
    bool bOpen = false;
    int channels = 0;
    int32_t rate = 0;
    int32_t length = 0;
    std::atomic<bool> bHoleSkipped{false};
};
