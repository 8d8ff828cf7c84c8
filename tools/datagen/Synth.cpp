#include "Synth.h"

#include "Loudness.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

const Synth::Vowel Synth::A = {850, 1300, 2900};
const Synth::Vowel Synth::E = {550, 2000, 2800};
const Synth::Vowel Synth::I = {330, 2500, 3300};
const Synth::Vowel Synth::O = {550, 950, 2700};
const Synth::Vowel Synth::U = {350, 850, 2500};
const Synth::Vowel Synth::M = {280, 1100, 2400};

namespace {

// A two-pole resonant band-pass (RBJ cookbook, constant peak gain).
class BandPass {
public:
    BandPass(double rate, double centre, double q) { set(rate, centre, q); }
    void set(double rate, double centre, double q) {
        const double w = 2 * M_PI * std::min(centre, rate * 0.45) / rate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0 = alpha / a0;
        b2 = -alpha / a0;
        a1 = -2 * std::cos(w) / a0;
        a2 = (1 - alpha) / a0;
    }
    double step(double x) {
        const double y = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }

private:
    double b0 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

double wave(Synth::Wave w, double phase) {
    const double p = phase - std::floor(phase);
    switch (w) {
    case Synth::SINE: return std::sin(2 * M_PI * p);
    case Synth::TRIANGLE: return p < 0.5 ? 4 * p - 1 : 3 - 4 * p;
    case Synth::SQUARE: return std::tanh(4 * std::sin(2 * M_PI * p)) * 0.8;
    default: return 2 * p - 1;
    }
}

double envelope(double t, double duration, double attack, double decay) {
    double e = attack > 0 && t < attack ? t / attack : 1.0;
    if (decay > 0)
        e *= std::exp(-std::max(0.0, t - attack) / decay);
    const double fade = 0.008;
    if (t > duration - fade)
        e *= std::max(0.0, (duration - t) / fade);
    return e;
}

}  // namespace

Synth::Synth(int sampleRate, double seconds, bool bWrapAround, uint64_t seed)
    : rate(sampleRate), bWrap(bWrapAround), rng(seed),
      buffer(static_cast<size_t>(std::lround(seconds * sampleRate)), 0.0f) {}

void Synth::add(long index, double value) {
    const long n = static_cast<long>(buffer.size());
    index = ((index % n) + n) % n;
    buffer[static_cast<size_t>(index)] += static_cast<float>(value);
}

void Synth::addBuffer(double start, const std::vector<double>& samples) {
    const long first = std::lround(start * rate);
    const long end = first + static_cast<long>(samples.size());
    if (!bWrap && (first < 0 || end > static_cast<long>(buffer.size())))
        throw std::logic_error("a note from " + std::to_string(start) + " s runs past the sound's " +
                               std::to_string(static_cast<double>(buffer.size()) / rate) + " s");
    for (size_t i = 0; i < samples.size(); ++i)
        add(first + static_cast<long>(i), samples[i]);
}

void Synth::tone(double start, double duration, double f0, double f1, double amp, Wave w, double attack,
                 double decay) {
    const long n = std::lround(duration * rate);
    std::vector<double> out(static_cast<size_t>(std::max(0L, n)));
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double f = f0 + (f1 - f0) * (t / duration);
        phase += f / rate;
        out[static_cast<size_t>(i)] = amp * envelope(t, duration, attack, decay) * wave(w, phase);
    }
    addBuffer(start, out);
}

void Synth::bell(double start, double duration, double freq, double amp) {
    const double partials[4][2] = {{1.0, 1.0}, {2.76, 0.45}, {5.4, 0.25}, {8.93, 0.12}};
    for (const auto& p : partials)
        tone(start, duration, freq * p[0], freq * p[0], amp * p[1], SINE, 0.002, duration / (1.5 + p[0] * 0.6));
}

void Synth::noise(double start, double duration, double amp0, double amp1, double lowCut, double highCut) {
    const long n = std::lround(duration * rate);
    const double centre = std::sqrt(lowCut * highCut);
    const double q = centre / std::max(1.0, highCut - lowCut);
    BandPass filter(rate, centre, std::max(0.3, q));
    std::vector<double> out(static_cast<size_t>(std::max(0L, n)));
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate;
        const double a = amp0 + (amp1 - amp0) * (t / duration);
        out[static_cast<size_t>(i)] = a * envelope(t, duration, 0.002, 0) * filter.step(rng.range(-1, 1)) * 2.0;
    }
    addBuffer(start, out);
}

void Synth::voice(double start, double duration, double p0, double p1, const Vowel& a, const Vowel& b, double amp) {
    const long n = std::lround(duration * rate);
    BandPass f1(rate, a.f1, 5), f2(rate, a.f2, 8), f3(rate, a.f3, 10);
    std::vector<double> out(static_cast<size_t>(std::max(0L, n)));
    double phase = 0;
    for (long i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / rate, k = t / duration;
        // Smooth glide between the vowels and pitches, with a little vibrato.
        const double s = k * k * (3 - 2 * k);
        const double pitch = (p0 + (p1 - p0) * s) * (1 + 0.02 * std::sin(2 * M_PI * 6 * t));
        phase += pitch / rate;
        const double source = wave(SAW, phase) + 0.05 * rng.range(-1, 1);
        if (i % 32 == 0) {
            f1.set(rate, a.f1 + (b.f1 - a.f1) * s, 5);
            f2.set(rate, a.f2 + (b.f2 - a.f2) * s, 8);
            f3.set(rate, a.f3 + (b.f3 - a.f3) * s, 10);
        }
        const double y = f1.step(source) + 0.6 * f2.step(source) + 0.25 * f3.step(source);
        out[static_cast<size_t>(i)] = amp * envelope(t, duration, 0.02, 0) * std::min(1.0, (duration - t) / 0.06) * y;
    }
    addBuffer(start, out);
}

void Synth::setLoudness(double lufs, double peak) {
    float top = 0;
    for (float s : buffer)
        top = std::max(top, std::fabs(s));
    if (top == 0)
        return;
    const double factor = std::min(Loudness::gainTo(lufs, buffer, 1, rate), peak / top);
    for (float& s : buffer)
        s = static_cast<float>(s * factor);
}
