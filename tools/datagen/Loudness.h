#pragma once
// Loudness: how loud a sound is heard, as ITU-R BS.1770 (EBU R128) measures
// it, in LUFS: the generator sets every sound's and track's level by it, and
// its tests check the levels with it. The only class that talks to
// libebur128. Any thread; it keeps no state.
#include <vector>

class Loudness {
public:
    // The length of one measuring block (seconds).
    static constexpr double BLOCK = 0.4;

    // The integrated loudness (LUFS) of interleaved samples (channels 1 or 2,
    // rate in Hz, values in -1..1); -HUGE_VAL for silence. The game plays a
    // mono sound on both sides, so one is measured as that pair (dual mono).
    // A sound shorter than a block is measured over one block, the rest of
    // it silent: a click counts as short as it is.
    static double integrated(const std::vector<float>& samples, int channels, int rate);
    // The factor that brings the samples' integrated loudness to lufs; 1
    // for silence, which no factor makes louder.
    static double gainTo(double lufs, const std::vector<float>& samples, int channels, int rate);
};
