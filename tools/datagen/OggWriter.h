#pragma once
// OggWriter: encodes float samples as an Ogg Vorbis file in memory with
// libvorbisenc (variable bit rate, fixed stream serial so the bytes are the
// same on every run). The only class that talks to libvorbis.
#include <cstdint>
#include <vector>

class OggWriter {
public:
    // samples: interleaved, channels 1 or 2, values in -1..1.
    static std::vector<uint8_t> encode(const std::vector<float>& samples, int channels, int rate, float quality);
};
