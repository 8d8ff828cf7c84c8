#pragma once
// MatchRewards: what a match or a mistake shows and pays beyond the mode's
// own points: the chain bonus of compatible matches in a row, the circus
// bonus of two clowns, and the red figure of a penalty. The numbers are the
// rules' (Scoring); this puts up the texts and popups in the game's effect
// layer and credits the game's player data. Owned by its GameController.
// Main thread only.
#include "V3.h"

class GameController;
class Smiley;

class MatchRewards {
public:
    // game: the controller that owns this (outlives it).
    explicit MatchRewards(GameController& game);

    // Pays the chain of compatible matches ending with a and b (not null),
    // then trims the match history.
    void checkChainBonus(Smiley* a, Smiley* b);
    // Pays the circus bonus when a and b (not null) are both clowns.
    void checkCircusBonus(Smiley* a, Smiley* b);
    // The red "-n" of a penalty (points below 0), rising and fading over the
    // foot point at of a smiley.
    void showPenalty(const V3& at, int points);

private:
    GameController& game;
};
