#pragma once
// MusicMaker: composes and renders the five looping music tracks (stereo,
// 22050 Hz): a chord progression per track, a seeded melody in an A A' B A
// form, bass, pad chords and light percussion. Every track lasts a whole
// number of bars and note tails wrap round to the start, so it loops
// without a gap; every track is set to one loudness, under the sounds.
#include "DataWriter.h"

class MusicMaker {
public:
    void generate(DataWriter& out) const;
};
