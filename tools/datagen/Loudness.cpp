#include "Loudness.h"

#include <ebur128.h>

#include <cmath>
#include <memory>
#include <stdexcept>

double Loudness::integrated(const std::vector<float>& samples, int channels, int rate) {
    std::unique_ptr<ebur128_state, void (*)(ebur128_state*)> state(
        ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate), EBUR128_MODE_I),
        [](ebur128_state* s) { ebur128_destroy(&s); });
    if (!state || (channels == 1 && ebur128_set_channel(state.get(), 0, EBUR128_DUAL_MONO) != EBUR128_SUCCESS))
        throw std::runtime_error("libebur128 refused to measure");
    std::vector<float> padded(samples);
    const size_t blockFrames = static_cast<size_t>(std::ceil(BLOCK * rate));
    if (padded.size() < blockFrames * static_cast<size_t>(channels))
        padded.resize(blockFrames * static_cast<size_t>(channels), 0.0f);
    double lufs = 0;
    if (ebur128_add_frames_float(state.get(), padded.data(), padded.size() / static_cast<size_t>(channels)) !=
            EBUR128_SUCCESS ||
        ebur128_loudness_global(state.get(), &lufs) != EBUR128_SUCCESS)
        throw std::runtime_error("libebur128 could not measure");
    return lufs;
}

double Loudness::gainTo(double lufs, const std::vector<float>& samples, int channels, int rate) {
    const double measured = integrated(samples, channels, rate);
    return std::isfinite(measured) ? std::pow(10.0, (lufs - measured) / 20.0) : 1.0;
}
