#pragma once
// Test sounds: Ogg Vorbis files made in memory by the data generator's
// encoder, so the audio tests and benchmark need no binary fixtures, and the
// ways such a file is damaged.
#include "OggWriter.h"

#include <ogg/ogg.h>

#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

namespace oggtest {

// interleaved: frames x channels samples in -1..1.
inline std::vector<unsigned char> encodeOgg(const std::vector<float>& interleaved, int channels, int rate)
{
    return OggWriter::encode(interleaved, channels, rate, 0.6f);
}

// A sine of the given frequency per channel (channel c at hz x (c + 1)), amplitude 0.5.
inline std::vector<float> sine(long frames, int channels, int rate, double hz)
{
    std::vector<float> samples(static_cast<size_t>(frames * channels));
    for (long i = 0; i < frames; ++i)
        for (int c = 0; c < channels; ++c)
            samples[static_cast<size_t>(i * channels + c)] =
                static_cast<float>(0.5 * std::sin(2.0 * M_PI * hz * (c + 1) * i / rate));
    return samples;
}

inline std::vector<unsigned char> sineOgg(long frames, int channels, int rate, double hz = 440.0)
{
    return encodeOgg(sine(frames, channels, rate, hz), channels, rate);
}

// Where each page of bytes starts.
inline std::vector<size_t> pageStarts(const std::vector<unsigned char>& bytes)
{
    std::vector<size_t> starts;
    for (size_t at = 0; at + 27 <= bytes.size();) {
        starts.push_back(at);
        size_t next = at + 27 + bytes[at + 26];
        for (size_t i = 0; i < bytes[at + 26]; ++i)
            next += bytes[at + 27 + i];
        at = next;
    }
    return starts;
}

// Sets the checksum of the page at start to what its bytes now hold, so that
// only the change made to it remains.
inline void mendChecksum(std::vector<unsigned char>& bytes, size_t start)
{
    unsigned char* header = bytes.data() + start;
    const long headerLength = 27 + header[26];
    long bodyLength = 0;
    for (int i = 0; i < header[26]; ++i)
        bodyLength += header[27 + i];
    ogg_page page{header, headerLength, header + headerLength, bodyLength};
    ogg_page_checksum_set(&page);
}

// The page halfway through the audio with count bytes from offset in it
// overwritten (the first two pages hold the headers; bytes needs three audio
// pages or more): the decoder meets a hole there, after audio it has decoded.
inline std::vector<unsigned char> damagedMiddlePage(std::vector<unsigned char> bytes, size_t offset, size_t count)
{
    const std::vector<size_t> starts = pageStarts(bytes);
    const size_t page = starts[(starts.size() + 2) / 2];
    for (size_t i = page + offset; i < page + offset + count; ++i)
        bytes[i] ^= 0x5A;
    return bytes;
}

// 64 bytes of that page overwritten: its checksum fails.
inline std::vector<unsigned char> holed(std::vector<unsigned char> bytes)
{
    return damagedMiddlePage(std::move(bytes), 40, 64);
}

// That page's header broken: capture pattern, sequence number and sizes are
// wrong, so the page is not even found.
inline std::vector<unsigned char> headerBroken(std::vector<unsigned char> bytes)
{
    return damagedMiddlePage(std::move(bytes), 0, 27);
}

// first, then second as the stream's next link (chained), its pages under
// another serial number.
inline std::vector<unsigned char> chained(std::vector<unsigned char> first, std::vector<unsigned char> second)
{
    for (const size_t start : pageStarts(second)) {
        ++second[start + 14];
        mendChecksum(second, start);
    }
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

} // namespace oggtest
