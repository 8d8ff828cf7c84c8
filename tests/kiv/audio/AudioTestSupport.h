#pragma once
// Helpers shared by the audio tests and benchmark: memory files from encoded
// bytes, decoded samples with chosen contents, the bare library's decode to
// compare with, and a Mixer driven without a device.
#include "MemoryFile.h"
#include "Mixer.h"
#include "MixerOGGstatic.h"
#include "OggEncoder.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace audiotest {

inline std::unique_ptr<MemoryFile> memoryFile(const std::vector<unsigned char>& bytes)
{
    auto file = std::make_unique<MemoryFile>("");
    file->data = new unsigned char[bytes.size()];
    std::copy(bytes.begin(), bytes.end(), file->data);
    file->size = static_cast<uint32_t>(bytes.size());
    return file;
}

// Frame i of a ramp sample: left (i + 1) / 65536, right minus that, so a mixed
// value tells which frame was played.
inline float rampLeft(int frame)
{
    return static_cast<float>(frame + 1) / 65536.0f;
}

// A decoded sample of frames frames at rate whose data is then replaced by
// the ramp (exact values, unlike anything that went through the codec).
inline std::unique_ptr<MixerOGGstatic> rampSource(long frames, int rate, bool loop = false, int maxPlaybacks = 8)
{
    auto file = memoryFile(oggtest::encodeOgg(std::vector<float>(static_cast<size_t>(frames), 0.0f), 1, rate));
    auto source = std::make_unique<MixerOGGstatic>(file.get(), loop, maxPlaybacks);
    for (int i = 0; i < source->dataSize / 2; ++i) {
        source->data[2 * i] = rampLeft(i);
        source->data[2 * i + 1] = -rampLeft(i);
    }
    return source;
}

// libvorbisfile alone, the plainest loop it allows: opens bytes and hands
// every decoded block to eachBlock(pcm, frames, channels), pcm holding one
// array of frames floats per channel, going on past holes. Returns the frames
// decoded, or -1 when the bytes cannot be opened or a block cannot be decoded.
template <typename EachBlock>
long bareDecode(const std::vector<unsigned char>& bytes, EachBlock eachBlock)
{
    FILE* stream = fmemopen(const_cast<unsigned char*>(bytes.data()), bytes.size(), "rb");
    OggVorbis_File vf;
    if (!stream || ov_open_callbacks(stream, &vf, nullptr, 0, OV_CALLBACKS_DEFAULT) != 0) {
        if (stream)
            std::fclose(stream);
        return -1;
    }
    long frames = 0;
    float** pcm = nullptr;
    int link = 0;
    while (const long result = ov_read_float(&vf, &pcm, 65536, &link)) {
        if (result == OV_HOLE)
            continue;
        if (result < 0) {
            frames = -1;
            break;
        }
        eachBlock(pcm, result, ov_info(&vf, link)->channels);
        frames += result;
    }
    ov_clear(&vf);
    return frames;
}

// A stereo device; by default of the format the audio device asks for,
// signed 16-bit, though the device may grant another one.
inline SDL_AudioSpec deviceFormat(int freq, int samples, Uint16 format = AUDIO_S16LSB)
{
    SDL_AudioSpec device{};
    device.freq = freq;
    device.format = format;
    device.channels = 2;
    device.samples = static_cast<Uint16>(samples);
    device.size = static_cast<Uint32>(samples * 2 * ((format & 0xFF) / 8));
    return device;
}

// One callback of frames output frames; returns the float mix (left, right ...).
inline std::vector<float> mixFrames(Mixer& mixer, int frames)
{
    const int bytes = frames * 2 * mixer.bytesPerSample;
    std::vector<Uint8> stream(static_cast<size_t>(bytes));
    mixer.mix(stream.data(), bytes);
    return std::vector<float>(mixer.mixBuffer, mixer.mixBuffer + 2 * frames);
}

} // namespace audiotest
