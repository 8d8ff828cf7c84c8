#pragma once
// PlayerData: what the player owns during a game: score, coins, lives, the
// thermometer slots used in quest mode and a timed score multiplier. The
// game controller creates one as a child of its scene (so it ticks; it draws
// nothing); everything else reaches it through the current controller. The
// loaded saved game and the quest mode write the fields directly.
// Main thread only.
#include "KivBase.h"

#include <cstdint>

class PlayerData : public KivBase {
public:
    // number: kept as is (the controller passes 0); the game never reads it.
    explicit PlayerData(int number);

    // multiplier := factor with a duration of seconds; the same factor again
    // extends the duration instead. Either way the elapsed time restarts.
    void setMultiplier(int factor, double seconds);
    // Adds points, times the multiplier when useMultiplier is set and points
    // are positive (penalties never are); the score never drops below 0.
    void addScore(int points, bool useMultiplier);
    // n < 0 spends coins; never below 0.
    void addCoins(int n);
    // Never below 0.
    void addLives(int n);

    int32_t number;
    int32_t multiplier = 1;
    // Seconds the current multiplier lasts and has run.
    double multiplierDuration = 0.0;
    double multiplierElapsed = 0.0;
    int32_t score = 0;
    int32_t coins = 0;
    int32_t lives = 1;
    // Thermometer slots already filled (quest mode); saved with the game.
    int32_t usedSlots = 0;
};
