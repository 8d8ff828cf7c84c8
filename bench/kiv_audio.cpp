// Audio costs: decoding a whole sound at load against a bare libvorbisfile
// loop over the same bytes (goal: within 10 %), and mixing one device buffer
// with 1 to 128 live channels, per channel-frame and as a share of the
// buffer's duration (goal: 128 channels under 5 % of one core at 44.1 kHz).
#include "AudioTestSupport.h"
#include "MemoryFile.h"
#include "Mixer.h"
#include "MixerOGGstatic.h"
#include "OggEncoder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using audiotest::deviceFormat;
using audiotest::memoryFile;

constexpr int RATE = 44100;
// What the device asks for at 44.1 kHz with the default buffer duration.
constexpr int DEVICE_FRAMES = 4352;

const std::vector<unsigned char>& thirtySecondsOfStereo()
{
    static const std::vector<unsigned char> bytes = oggtest::sineOgg(30L * RATE, 2, RATE, 330.0);
    return bytes;
}

void BM_DecodeWholeSound(benchmark::State& state)
{
    auto file = memoryFile(thirtySecondsOfStereo());
    for (auto _ : state) {
        MixerOGGstatic sample(file.get(), false, 1);
        benchmark::DoNotOptimize(sample.data);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * file->size);
}
BENCHMARK(BM_DecodeWholeSound)->Unit(benchmark::kMillisecond);

struct MemorySource {
    const std::vector<unsigned char>* bytes;
    size_t position;
};

size_t readMemory(void* buffer, size_t size, size_t count, void* data)
{
    MemorySource* source = static_cast<MemorySource*>(data);
    const size_t n = std::min(size * count, source->bytes->size() - source->position);
    std::memcpy(buffer, source->bytes->data() + source->position, n);
    source->position += n;
    return n / size;
}

int seekMemory(void* data, ogg_int64_t offset, int origin)
{
    MemorySource* source = static_cast<MemorySource*>(data);
    const ogg_int64_t base = origin == SEEK_SET ? 0
                             : origin == SEEK_CUR ? static_cast<ogg_int64_t>(source->position)
                                                  : static_cast<ogg_int64_t>(source->bytes->size());
    source->position = static_cast<size_t>(base + offset);
    return 0;
}

long tellMemory(void* data)
{
    return static_cast<long>(static_cast<MemorySource*>(data)->position);
}

void BM_BareOvReadFloatLoop(benchmark::State& state)
{
    const std::vector<unsigned char>& bytes = thirtySecondsOfStereo();
    for (auto _ : state) {
        MemorySource source{&bytes, 0};
        OggVorbis_File vf;
        ov_open_callbacks(&source, &vf, nullptr, 0, {readMemory, seekMemory, nullptr, tellMemory});
        float** pcm = nullptr;
        int bitstream = 0;
        long frames = 0;
        while (long result = ov_read_float(&vf, &pcm, 65536, &bitstream)) {
            if (result < 0)
                break;
            frames += result;
        }
        benchmark::DoNotOptimize(frames);
        ov_clear(&vf);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(bytes.size()));
}
BENCHMARK(BM_BareOvReadFloatLoop)->Unit(benchmark::kMillisecond);

void BM_MixOneDeviceBuffer(benchmark::State& state)
{
    const int channels = static_cast<int>(state.range(0));
    auto file = memoryFile(oggtest::sineOgg(RATE, 2, RATE, 440.0));
    MixerOGGstatic sample(file.get(), true, channels);
    Mixer mixer(deviceFormat(RATE, DEVICE_FRAMES));
    for (int i = 0; i < channels; ++i) {
        const int id = mixer.play(&sample, false);
        mixer.setPosition(id, static_cast<float>(i) / channels);
        mixer.setVolume(id, 0.5f / channels, 0.0);
        mixer.start(id);
    }
    std::vector<Uint8> stream(mixer.output.size);
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state)
        mixer.mix(stream.data(), static_cast<int>(stream.size()));
    const double secondsPerBuffer =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / state.iterations();
    // The whole callback (clearing and converting included) over the frames
    // of every channel, and against the time the buffer takes to play.
    state.counters["ns_per_channel_frame"] = secondsPerBuffer * 1e9 / (static_cast<double>(channels) * DEVICE_FRAMES);
    state.counters["percent_of_buffer"] = 100.0 * secondsPerBuffer / (static_cast<double>(DEVICE_FRAMES) / RATE);
}
BENCHMARK(BM_MixOneDeviceBuffer)->Arg(1)->Arg(8)->Arg(32)->Arg(128)->Unit(benchmark::kMicrosecond);

} // namespace
