#pragma once
// Test sounds: Ogg Vorbis files made in memory by the data generator's
// encoder, so the audio tests and benchmark need no binary fixtures.
#include "OggWriter.h"

#include <cmath>
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

} // namespace oggtest
