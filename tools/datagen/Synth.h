#pragma once
// Synth: a mono sample buffer and the few instruments the sounds and music
// are made of (tones with envelopes, filtered noise, formant voice chirps).
// With wrapping on, anything played past the end continues at the start,
// so a buffer loops without a gap or a click; with it off, a note that
// would run past the end is refused (thrown), since it would be cut off
// there at whatever level it had reached.
#include "Rng.h"

#include <vector>

class Synth {
public:
    enum Wave { SINE, TRIANGLE, SQUARE, SAW };
    struct Vowel {
        double f1, f2, f3;
    };
    static const Vowel A, E, I, O, U, M;

    Synth(int rate, double seconds, bool bWrap, uint64_t seed);

    const std::vector<float>& getSamples() const { return buffer; }

    // A tone gliding from f0 to f1 (Hz); linear attack, exponential decay
    // with the given time constant (0: none), short fade at the end.
    void tone(double start, double duration, double f0, double f1, double amp, Wave wave, double attack,
              double decay);
    // A bell-like tone: a few inharmonic partials that ring out.
    void bell(double start, double duration, double freq, double amp);
    // Band-limited noise between lowCut and highCut (Hz); the amplitude
    // moves linearly from amp0 to amp1.
    void noise(double start, double duration, double amp0, double amp1, double lowCut, double highCut);
    // A cartoon voice syllable: a buzzing source at a pitch gliding from p0
    // to p1 through formants moving from vowel a to vowel b.
    void voice(double start, double duration, double p0, double p1, const Vowel& a, const Vowel& b, double amp);

    // Scales the whole buffer so that its integrated loudness (Loudness)
    // reaches lufs, or less where that would take its loudest sample above
    // peak (0..1): a sound that is mostly attack, such as a click, reaches
    // its peak long before its loudness. A silent buffer stays silent.
    void setLoudness(double lufs, double peak);

private:
    void add(long index, double value);
    void addBuffer(double start, const std::vector<double>& samples);

    int rate;
    bool bWrap;
    Rng rng;
    std::vector<float> buffer;
};
