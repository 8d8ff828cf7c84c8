#pragma once
// ModeTable: what sets the three game modes apart, one row each: the caption
// the game opens with, the vitamin column (in the column's order), the lives
// a game starts with (0: the player data's own single life), the thermometer
// slots by difficulty (quest mode only), the neighbourhood tracks in the
// order the neighbourhoods take them (neighbourhood % 3), the picture of the
// how-to-play help, the chances of clowns and coins, how the hardness rises
// and what a cleared house is captioned. Plain values; no state.
#include "rules/GameMode.h"
#include "rules/VitaminKind.h"

class ModeTable {
public:
    static constexpr int MOST_VITAMINS = 6;
    static constexpr int TRACKS = 3;

    struct Row {
        const char* name;
        VitaminKind vitamins[MOST_VITAMINS];
        int vitaminCount;
        int startLives;
        const char* tracks[TRACKS];
        const char* howToPlayPicture;
        float clownChance;
        float coinChance;
        // HouseProgression::risingHardness's extra per difficulty step on
        // the last ordinary house (quest and action; puzzle mode draws every
        // house with hardness 0 and keeps 0 here).
        float hardnessPerLevel;
        const char* clearCaption;
    };

    ModeTable() = delete;

    static const Row& of(GameMode mode);
    // Quest mode's slots: 10, 8, 6 or 4 for difficulty 0..3; 0 elsewhere.
    static int thermometerSlots(GameMode mode, int difficulty);
    // The track of a neighbourhood (0..7).
    static const char* track(GameMode mode, int neighbourhood) { return of(mode).tracks[neighbourhood % TRACKS]; }
};
