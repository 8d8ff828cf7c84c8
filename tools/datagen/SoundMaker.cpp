#include "SoundMaker.h"

#include "OggWriter.h"
#include "Synth.h"

#include <cmath>
#include <functional>
#include <string>

namespace {

const int kRate = 22050;
const float kQuality = 0.2f;

double note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

// Loudness (LUFS, Loudness.h) at full sound volume, the default. The
// jingles, which tell how a move or a house went, stand out; effects and
// voices sit a little under them, breaths under the voices; the pointer's
// click, the clock's tick and the thermometer's thud at every match, heard
// over and over, lowest. The music (MusicMaker) plays under the effects.
const double kJingle = -21;
const double kEffect = -24;
const double kVoice = -23;
const double kBreath = -27;
const double kBackground = -28;
// No sound's loudest sample goes above this (-10.5 dBFS), whatever its
// loudness: a busy moment of play brings several sounds together over the
// music, and the mixer clamps their sum at full scale.
const double kPeak = 0.3;

void write(DataWriter& out, const std::string& name, double seconds, uint64_t seed, double lufs,
           const std::function<void(Synth&)>& make, bool bLoop = false) {
    Synth s(kRate, seconds, bLoop, seed);
    make(s);
    s.setLoudness(lufs, kPeak);
    out.writeBytes("sfx/" + name, OggWriter::encode(s.getSamples(), 1, kRate, kQuality));
}

// A short melody of bell-ish notes: pairs of (semitone from A4, start time).
void melody(Synth& s, std::initializer_list<std::pair<int, double>> notes, double length, Synth::Wave wave) {
    for (const auto& n : notes) {
        s.tone(n.second, length, note(n.first), note(n.first), 0.5, wave, 0.005, length * 0.45);
        s.tone(n.second, length, note(n.first + 12), note(n.first + 12), 0.12, Synth::SINE, 0.005, length * 0.25);
    }
}

void effects(DataWriter& out) {
    write(out, "clickXP.ogg", 0.08, 1, kBackground, [](Synth& s) {
        s.noise(0, 0.012, 0.6, 0.0, 1500, 6000);
        s.tone(0, 0.05, 2200, 1800, 0.5, Synth::SINE, 0.001, 0.012);
    });
    write(out, "pop.ogg", 0.15, 2, kEffect, [](Synth& s) {
        s.tone(0, 0.12, 260, 900, 0.8, Synth::SINE, 0.002, 0.04);
        s.noise(0, 0.02, 0.3, 0.0, 800, 4000);
    });
    write(out, "dooropen.ogg", 0.55, 3, kEffect, [](Synth& s) {
        s.tone(0, 0.45, 170, 260, 0.35, Synth::SAW, 0.05, 0.3);
        s.tone(0, 0.45, 340, 520, 0.12, Synth::SQUARE, 0.05, 0.3);
        s.noise(0.45, 0.06, 0.5, 0.0, 1000, 5000);
    });
    write(out, "doorshut.ogg", 0.35, 4, kEffect, [](Synth& s) {
        s.tone(0, 0.3, 120, 70, 0.9, Synth::SINE, 0.002, 0.07);
        s.noise(0, 0.12, 0.7, 0.0, 100, 900);
        s.noise(0.01, 0.04, 0.3, 0.0, 2000, 6000);
    });
    write(out, "doorknock.ogg", 0.6, 5, kEffect, [](Synth& s) {
        for (double t : {0.0, 0.17, 0.34}) {
            s.tone(t, 0.12, 190, 140, 0.8, Synth::SINE, 0.001, 0.03);
            s.noise(t, 0.05, 0.6, 0.0, 200, 1500);
        }
    });
    write(out, "honk.ogg", 0.45, 6, kEffect, [](Synth& s) {
        s.tone(0, 0.4, 360, 330, 0.5, Synth::SQUARE, 0.01, 0.6);
        s.tone(0, 0.4, 450, 415, 0.4, Synth::SQUARE, 0.01, 0.6);
    });
    write(out, "thermo1.ogg", 0.25, 7, kBackground, [](Synth& s) {
        s.tone(0, 0.22, 110, 104, 0.8, Synth::SINE, 0.004, 0.08);
        s.tone(0, 0.22, 220, 208, 0.25, Synth::TRIANGLE, 0.004, 0.05);
    });
    write(out, "stardust.ogg", 0.9, 8, kEffect, [](Synth& s) {
        Rng rng(80);
        for (int i = 0; i < 22; ++i) {
            const double t = i * 0.03 + rng.range(0, 0.02);
            s.tone(t, 0.25, rng.range(2000, 5200), rng.range(2000, 5200), 0.3 * (1 - i / 26.0), Synth::SINE, 0.002,
                   0.06);
        }
    });
    // Exactly one second: tick at the start, tock half-way; it loops.
    write(
        out, "clockTick.ogg", 1.0, 9, kBackground,
        [](Synth& s) {
            s.tone(0.0, 0.04, 3200, 3000, 0.7, Synth::SINE, 0.0005, 0.008);
            s.noise(0.0, 0.015, 0.4, 0.0, 2000, 8000);
            s.tone(0.5, 0.04, 2300, 2200, 0.6, Synth::SINE, 0.0005, 0.008);
            s.noise(0.5, 0.015, 0.35, 0.0, 1500, 6000);
        },
        true);
    write(out, "bell.ogg", 1.4, 10, kEffect, [](Synth& s) {
        for (int i = 0; i < 14; ++i)
            s.bell(i * 0.05, 0.5, i % 2 ? 1318 : 1396, 0.35);
    });
    write(out, "voice-breathein.ogg", 0.6, 11, kBreath, [](Synth& s) { s.noise(0, 0.58, 0.1, 0.8, 900, 3500); });
    write(out, "voice-breatheOut.ogg", 0.6, 12, kBreath, [](Synth& s) {
        s.noise(0, 0.55, 0.9, 0.05, 500, 2200);
        s.voice(0, 0.12, 260, 220, Synth::U, Synth::U, 0.3);
    });
    write(out, "coinbounce.ogg", 0.2, 13, kEffect, [](Synth& s) {
        s.tone(0, 0.18, 2600, 2600, 0.5, Synth::SINE, 0.001, 0.05);
        s.tone(0, 0.18, 3900, 3900, 0.3, Synth::SINE, 0.001, 0.03);
    });
    write(out, "coinbounceend.ogg", 0.5, 14, kEffect, [](Synth& s) {
        s.tone(0, 0.2, 1568, 1568, 0.5, Synth::SQUARE, 0.001, 0.06);
        s.tone(0.08, 0.4, 2093, 2093, 0.5, Synth::SQUARE, 0.001, 0.12);
    });
    write(out, "liquify.ogg", 0.9, 15, kEffect, [](Synth& s) {
        const double steps = 18;
        for (int i = 0; i < steps; ++i)
            s.tone(i * 0.045, 0.06, 900 - i * 35, 600 - i * 25, 0.4, Synth::SINE, 0.003, 0.03);
    });
    write(out, "bubbles.ogg", 0.5, 16, kEffect, [](Synth& s) {
        Rng rng(160);
        for (int i = 0; i < 5; ++i) {
            const double t = i * 0.08 + rng.range(0, 0.03), f = rng.range(350, 600);
            s.tone(t, 0.05, f, f * 2.6, 0.6, Synth::SINE, 0.002, 0.02);
        }
    });
    // A soft thump and a hiss that crackles away.
    write(out, "firework.ogg", 1.0, 17, kEffect, [](Synth& s) {
        s.tone(0, 0.35, 110, 45, 0.9, Synth::SINE, 0.002, 0.12);
        s.noise(0, 0.5, 0.7, 0.0, 300, 5000);
        Rng rng(170);
        for (int i = 0; i < 16; ++i)
            s.noise(0.15 + i * 0.045 + rng.range(0, 0.03), 0.012, 0.5 * (1 - i / 18.0), 0.0, 2500, 9000);
    });
}

void jingles(DataWriter& out) {
    // Semitones from A4: C5 = 3, E5 = 7, G5 = 10, C6 = 15.
    write(out, "jingle01.ogg", 1.0, 20, kJingle,
          [](Synth& s) { melody(s, {{3, 0.0}, {7, 0.12}, {10, 0.24}, {15, 0.36}}, 0.5, Synth::TRIANGLE); });
    write(out, "jingle02.ogg", 0.7, 21, kJingle, [](Synth& s) {
        melody(s, {{3, 0.0}, {5, 0.07}, {7, 0.14}, {10, 0.21}, {15, 0.28}}, 0.35, Synth::SQUARE);
    });
    write(out, "jingle03.ogg", 0.6, 22, kJingle, [](Synth& s) {
        melody(s, {{10, 0.0}, {15, 0.1}}, 0.4, Synth::TRIANGLE);
        s.bell(0.1, 0.47, note(27), 0.2);
    });
    write(out, "jingle04.ogg", 1.5, 23, kJingle, [](Synth& s) {
        melody(s, {{3, 0.0}, {7, 0.12}, {10, 0.24}}, 0.3, Synth::SQUARE);
        // The chord's notes a few milliseconds apart, as a hand strikes
        // them: struck at one instant, their peaks would meet at every
        // cycle of the chord, far above its loudness.
        melody(s, {{3, 0.4}, {7, 0.407}, {10, 0.413}, {15, 0.419}}, 1.0, Synth::TRIANGLE);
    });
    // The lose jingle: three falling notes and a last one that sags as it
    // dies away, well before the sound's end.
    write(out, "jingle05.ogg", 1.4, 24, kJingle, [](Synth& s) {
        const int notes[4] = {-2, -3, -4, -5};
        for (int i = 0; i < 4; ++i) {
            const double t = i * 0.28, f = note(notes[i] - 2);
            if (i < 3)
                s.tone(t, 0.26, f, f, 0.5, Synth::SQUARE, 0.01, 0.25);
            else
                s.tone(t, 0.5, f, f * 0.94, 0.5, Synth::SQUARE, 0.01, 0.2);
        }
    });
    write(out, "jingle06.ogg", 0.5, 25, kJingle, [](Synth& s) {
        s.tone(0, 0.18, note(-10), note(-10), 0.5, Synth::SQUARE, 0.005, 0.2);
        s.tone(0.2, 0.28, note(-14), note(-15), 0.5, Synth::SQUARE, 0.005, 0.2);
    });
    write(out, "jingle06inv.ogg", 0.5, 26, kJingle, [](Synth& s) {
        s.tone(0, 0.18, note(-14), note(-14), 0.5, Synth::SQUARE, 0.005, 0.2);
        s.tone(0.2, 0.28, note(-10), note(-9), 0.5, Synth::SQUARE, 0.005, 0.2);
    });
    write(out, "jingle07.ogg", 0.8, 27, kJingle, [](Synth& s) {
        for (int i = 0; i < 10; ++i)
            s.tone(i * 0.035, 0.3, note(3 + i * 2), note(3 + i * 2), 0.25, Synth::SINE, 0.002, 0.08);
        s.bell(0.35, 0.42, note(27), 0.3);
    });
    write(out, "gameover.ogg", 2.2, 28, kJingle, [](Synth& s) {
        const int notes[4] = {3, 1, -2, -9};
        for (int i = 0; i < 4; ++i)
            s.tone(i * 0.4, i == 3 ? 0.9 : 0.38, note(notes[i]), note(notes[i]), 0.5, Synth::TRIANGLE, 0.02,
                   i == 3 ? 0.5 : 0.3);
        s.tone(1.2, 0.9, note(-21), note(-21), 0.35, Synth::SINE, 0.02, 0.5);
    });
}

void voices(DataWriter& out) {
    using V = Synth;
    write(out, "voice-ihihi.ogg", 0.55, 40, kVoice, [](Synth& s) {
        for (int i = 0; i < 3; ++i) {
            s.noise(i * 0.16, 0.03, 0.3, 0.1, 1500, 4000);
            s.voice(i * 0.16 + 0.02, 0.11, 560 - i * 20, 520 - i * 30, V::I, V::I, 0.7);
        }
    });
    write(out, "voice-mh-huh.ogg", 0.65, 41, kVoice, [](Synth& s) {
        s.voice(0, 0.22, 260, 240, V::M, V::M, 0.6);
        s.noise(0.3, 0.06, 0.4, 0.1, 600, 2500);
        s.voice(0.34, 0.28, 240, 340, V::A, V::E, 0.7);
    });
    write(out, "voice-mhm.ogg", 0.6, 42, kVoice, [](Synth& s) {
        s.voice(0, 0.2, 300, 280, V::M, V::M, 0.6);
        s.voice(0.26, 0.3, 260, 360, V::M, V::M, 0.6);
    });
    write(out, "voice-mui.ogg", 0.45, 43, kVoice, [](Synth& s) {
        s.voice(0, 0.1, 330, 340, V::M, V::U, 0.6);
        s.voice(0.08, 0.32, 340, 460, V::U, V::I, 0.7);
    });
    write(out, "voice-muiu.ogg", 0.6, 44, kVoice, [](Synth& s) {
        s.voice(0, 0.1, 330, 340, V::M, V::U, 0.6);
        s.voice(0.08, 0.24, 340, 470, V::U, V::I, 0.7);
        s.voice(0.3, 0.26, 470, 360, V::I, V::U, 0.7);
    });
    write(out, "voice-ow.ogg", 0.45, 45, kVoice, [](Synth& s) { s.voice(0, 0.42, 480, 300, V::A, V::U, 0.8); });
    write(out, "voice-huhu.ogg", 0.55, 46, kVoice, [](Synth& s) {
        for (int i = 0; i < 2; ++i) {
            s.noise(i * 0.25, 0.06, 0.4, 0.1, 500, 2000);
            s.voice(i * 0.25 + 0.05, 0.16, 380 - i * 40, 360 - i * 50, V::U, V::U, 0.7);
        }
    });
    write(out, "voice-sniffin.ogg", 0.45, 47, kBreath, [](Synth& s) {
        for (int i = 0; i < 3; ++i)
            s.noise(i * 0.13, 0.09, 0.3, 0.9, 2500, 7000);
    });
    write(out, "voice-sniffout.ogg", 0.5, 48, kBreath, [](Synth& s) { s.noise(0, 0.45, 0.9, 0.05, 1800, 6000); });
    write(out, "voice-hut.ogg", 0.22, 49, kVoice, [](Synth& s) {
        s.noise(0, 0.04, 0.5, 0.2, 700, 2500);
        s.voice(0.03, 0.13, 420, 460, V::U, V::A, 0.8);
    });
    write(out, "voice-hut2.ogg", 0.22, 50, kVoice, [](Synth& s) {
        s.noise(0, 0.04, 0.5, 0.2, 600, 2200);
        s.voice(0.03, 0.13, 330, 290, V::U, V::O, 0.8);
    });
    write(out, "voice-hmpf.ogg", 0.5, 51, kVoice, [](Synth& s) {
        s.voice(0, 0.3, 220, 190, V::M, V::M, 0.7);
        s.noise(0.3, 0.12, 0.8, 0.0, 300, 2500);
    });
    write(out, "voice-ahhah.ogg", 0.9, 52, kVoice, [](Synth& s) {
        s.voice(0, 0.45, 300, 420, V::A, V::A, 0.7);
        s.noise(0.5, 0.05, 0.4, 0.1, 600, 2500);
        s.voice(0.53, 0.32, 400, 280, V::A, V::O, 0.7);
    });
}

}  // namespace

void SoundMaker::generate(DataWriter& out) const {
    effects(out);
    jingles(out);
    voices(out);
}
