// Audio costs, in CPU time of the benchmark's thread:
//   decodeAgainstBareLoop: 30 seconds of stereo decoded whole, as a sound is
//     at load, against a bare libvorbisfile loop over the same bytes that
//     keeps nothing; fifteen rounds, the two taking turns at going first, and
//     the fastest of each compared, the steadiest figure on a shared machine
//     (goal: the decode at most 1.10 times the bare loop);
//   mixOneDeviceBuffer: one device buffer mixed with 1 to 128 live channels,
//     per channel-frame and as a share of the buffer's duration (goal: 128
//     channels under 5 % of one core at 44.1 kHz).
#include "AudioTestSupport.h"
#include "BenchFigures.h"
#include "MemoryFile.h"
#include "Mixer.h"
#include "MixerOGGstatic.h"
#include "OggEncoder.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

using audiotest::deviceFormat;
using audiotest::memoryFile;

constexpr int RATE = 44100;
// What the device asks for at 44.1 kHz with the default buffer duration.
constexpr int DEVICE_FRAMES = 4352;
constexpr int REPETITIONS = 15;
constexpr int MOST_CHANNELS = 128;

const std::vector<unsigned char>& thirtySecondsOfStereo()
{
    static const std::vector<unsigned char> bytes = oggtest::sineOgg(30L * RATE, 2, RATE, 330.0);
    return bytes;
}

// CPU seconds that what() takes on this thread.
template <typename What>
double cpuSecondsOf(What what)
{
    const double start = benchfigures::threadCpuSeconds();
    what();
    return benchfigures::threadCpuSeconds() - start;
}

// Each iteration decodes the sound once each way, taking turns at going first.
void decodeAgainstBareLoop(benchmark::State& state)
{
    const std::vector<unsigned char>& bytes = thirtySecondsOfStereo();
    auto file = memoryFile(bytes);
    double fastestDecode = 1e9, fastestBare = 1e9;
    bool bDecodeFirst = true;
    for (auto _ : state) {
        const auto decode = [&] {
            const double seconds = cpuSecondsOf([&] {
                MixerOGGstatic sample(file.get(), false, 1);
                benchmark::DoNotOptimize(sample.data);
            });
            fastestDecode = std::min(fastestDecode, seconds);
        };
        const auto bare = [&] {
            const double seconds = cpuSecondsOf([&] {
                benchmark::DoNotOptimize(audiotest::bareDecode(bytes, [](float**, long, int) {}));
            });
            fastestBare = std::min(fastestBare, seconds);
        };
        if (bDecodeFirst) {
            decode();
            bare();
        } else {
            bare();
            decode();
        }
        bDecodeFirst = !bDecodeFirst;
    }
    state.counters["decode_ms"] = fastestDecode * 1000.0;
    state.counters["bare_loop_ms"] = fastestBare * 1000.0;
    state.counters["ratio"] = fastestDecode / fastestBare;
    benchfigures::reportGoal("whole-sound decode against the bare loop, fastest CPU time of each", fastestDecode / fastestBare,
                            1.10, "times");
}
BENCHMARK(decodeAgainstBareLoop)->Iterations(REPETITIONS)->Unit(benchmark::kMillisecond);

void mixOneDeviceBuffer(benchmark::State& state)
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
    const double start = benchfigures::threadCpuSeconds();
    for (auto _ : state)
        mixer.mix(stream.data(), static_cast<int>(stream.size()));
    const double secondsPerBuffer = (benchfigures::threadCpuSeconds() - start) / static_cast<double>(state.iterations());
    // The whole callback (clearing and converting included) over the frames
    // of every channel, and against the time the buffer takes to play.
    state.counters["ns_per_channel_frame"] = secondsPerBuffer * 1e9 / (static_cast<double>(channels) * DEVICE_FRAMES);
    const double percentOfBuffer = 100.0 * secondsPerBuffer / (static_cast<double>(DEVICE_FRAMES) / RATE);
    state.counters["percent_of_buffer"] = percentOfBuffer;
    if (channels == MOST_CHANNELS)
        benchfigures::reportGoal("mixing 128 channels, share of one core", percentOfBuffer, 5.0, "%");
}
BENCHMARK(mixOneDeviceBuffer)->Arg(1)->Arg(8)->Arg(32)->Arg(MOST_CHANNELS)->Unit(benchmark::kMicrosecond);

} // namespace
