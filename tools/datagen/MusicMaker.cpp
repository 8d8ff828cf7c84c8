#include "MusicMaker.h"

#include "Loudness.h"
#include "OggWriter.h"
#include "Rng.h"
#include "Synth.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace {

const int kRate = 22050;
const float kQuality = 0.05f;
// Loudness (LUFS) of every track at full music volume. At the default music
// volume (15 of 24) it plays some 4 dB lower, under the sound effects
// (SoundMaker), with room for them on top before the mixer's clamp.
const double kLoudness = -23;

struct Track {
    std::string file;
    double bpm;
    int bars;
    int root;  // semitones from A4
    bool bMinor;
    int progression[4];  // scale degrees, one chord per bar
    Synth::Wave leadWave;
    bool bBusyDrums;
    uint64_t seed;
};

const int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
const int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};

double frequency(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Semitone offset of scale degree d (any integer, octaves wrap).
int degreeToSemitone(const Track& t, int d) {
    const int* scale = t.bMinor ? kMinor : kMajor;
    const int octave = static_cast<int>(std::floor(d / 7.0));
    return t.root + scale[d - octave * 7] + 12 * octave;
}

struct Note {
    int slot;    // eighth-note index within the bar
    int length;  // in eighths
    int degree;
};

// A bar of melody over a chord: strong beats land on chord tones, the
// notes between step through the scale.
std::vector<Note> melodyBar(Rng& rng, int chord, int& lastDegree) {
    static const int rhythms[5][8] = {{2, 0, 2, 0, 2, 0, 2, 0}, {1, 1, 2, 0, 1, 1, 2, 0}, {3, 0, 0, 1, 2, 0, 2, 0},
                                      {2, 0, 1, 1, 4, 0, 0, 0}, {1, 1, 1, 1, 2, 0, 2, 0}};
    const int* rhythm = rhythms[rng.below(5)];
    std::vector<Note> notes;
    for (int slot = 0; slot < 8; ++slot) {
        if (!rhythm[slot])
            continue;
        int degree;
        if (slot % 4 == 0) {
            const int tones[3] = {chord, chord + 2, chord + 4};
            degree = tones[0];
            int best = 100;
            for (int tone : tones)
                for (int octave : {7, 14}) {
                    const int candidate = tone + octave;
                    if (std::abs(candidate - lastDegree) < best) {
                        best = std::abs(candidate - lastDegree);
                        degree = candidate;
                    }
                }
        } else {
            degree = lastDegree + (rng.below(2) ? 1 : -1) * (rng.below(3) ? 1 : 2);
        }
        degree = std::clamp(degree, 5, 17);
        notes.push_back({slot, rhythm[slot], degree});
        lastDegree = degree;
    }
    return notes;
}

std::vector<float> render(const Track& t) {
    const double beat = 60.0 / t.bpm, eighth = beat / 2, bar = beat * 4;
    const double seconds = bar * t.bars;
    Rng rng(t.seed);
    Synth lead(kRate, seconds, true, t.seed + 1), pad(kRate, seconds, true, t.seed + 2),
        bass(kRate, seconds, true, t.seed + 3), drums(kRate, seconds, true, t.seed + 4),
        hats(kRate, seconds, true, t.seed + 5);

    // Four-bar phrases: A, A with a new ending, B, A.
    int lastDegree = 9;
    std::vector<std::vector<Note>> phraseA, phraseB;
    for (int b = 0; b < 4; ++b)
        phraseA.push_back(melodyBar(rng, t.progression[b], lastDegree));
    for (int b = 0; b < 4; ++b)
        phraseB.push_back(melodyBar(rng, t.progression[b], lastDegree));
    const std::vector<Note> altEnding = melodyBar(rng, t.progression[3], lastDegree);

    for (int barIndex = 0; barIndex < t.bars; ++barIndex) {
        const double t0 = barIndex * bar;
        const int inPhrase = barIndex % 4, phrase = (barIndex / 4) % 4;
        const int chord = t.progression[inPhrase];
        const std::vector<Note>& notes =
            phrase == 2 ? phraseB[inPhrase] : (phrase == 1 && inPhrase == 3 ? altEnding : phraseA[inPhrase]);
        for (const Note& n : notes) {
            const double f = frequency(degreeToSemitone(t, n.degree));
            const double len = n.length * eighth * 0.95;
            lead.tone(t0 + n.slot * eighth, len, f, f, 0.5, t.leadWave, 0.008, 0.35);
            lead.tone(t0 + n.slot * eighth, len, f * 2, f * 2, 0.1, Synth::SINE, 0.004, 0.15);
        }
        for (int k = 0; k < 3; ++k) {
            const double f = frequency(degreeToSemitone(t, chord + 2 * k) - 12);
            pad.tone(t0, bar, f, f, 0.22, Synth::TRIANGLE, 0.08, 1.6);
        }
        for (int b = 0; b < 4; ++b) {
            const int degree = b % 2 ? chord + 4 : chord;
            const double f = frequency(degreeToSemitone(t, degree) - 24);
            bass.tone(t0 + b * beat, beat * 0.9, f, f, 0.6, Synth::TRIANGLE, 0.01, 0.4);
        }
        for (int b = 0; b < 4; ++b) {
            const double tb = t0 + b * beat;
            if (b % 2 == 0)
                drums.tone(tb, 0.18, 140, 48, 0.9, Synth::SINE, 0.001, 0.06);
            else
                drums.noise(tb, 0.12, 0.5, 0.0, 1200, 5000);
            for (int h = 0; h < (t.bBusyDrums ? 4 : 2); ++h)
                hats.noise(tb + h * beat / (t.bBusyDrums ? 4 : 2), 0.03, h == 0 ? 0.35 : 0.2, 0.0, 6000, 10000);
        }
    }
    // Stereo mix: lead a little right, pad a little left, the rest centred.
    std::vector<float> out(lead.getSamples().size() * 2);
    for (size_t i = 0; i < lead.getSamples().size(); ++i) {
        const double l = lead.getSamples()[i], p = pad.getSamples()[i], b = bass.getSamples()[i],
                     d = drums.getSamples()[i], h = hats.getSamples()[i];
        const double left = 0.55 * l + 0.75 * p + 0.8 * b + 0.6 * d + 0.35 * h;
        const double right = 0.8 * l + 0.5 * p + 0.8 * b + 0.6 * d + 0.5 * h;
        out[2 * i] = static_cast<float>(left);
        out[2 * i + 1] = static_cast<float>(right);
    }
    const float gain = static_cast<float>(Loudness::gainTo(kLoudness, out, 2, kRate));
    for (float& s : out)
        s *= gain;
    return out;
}

}  // namespace

void MusicMaker::generate(DataWriter& out) const {
    const Track tracks[5] = {
        {"main.ogg", 96, 16, 3, false, {0, 5, 3, 4}, Synth::TRIANGLE, false, 101},
        {"ingame.ogg", 112, 16, 8, false, {0, 3, 1, 4}, Synth::SQUARE, false, 102},
        {"ingame2.ogg", 104, 16, -2, false, {0, 2, 3, 4}, Synth::SINE, false, 103},
        {"ingame4.ogg", 120, 20, 5, true, {0, 6, 5, 6}, Synth::TRIANGLE, false, 104},
        {"ingame3.ogg", 160, 24, 0, true, {0, 5, 2, 6}, Synth::SQUARE, true, 105},
    };
    for (const Track& t : tracks)
        out.writeBytes("sfx/music/" + t.file, OggWriter::encode(render(t), 2, kRate, kQuality));
}
