#pragma once
// GameControllerTimeTrial: action mode, the timed mode. A thermometer
// starts every house half full and drains while the player plays; a match
// raises it, a mistake lowers it. A full thermometer wins the house; an
// empty one costs a life and the same house is played again (the game is
// over with the last life). Matched smileys are replaced at once by
// newcomers behind the freed doors, so the house never empties; the first
// newcomer is a partner for the loneliest smiley when it had none. The
// mode-selection screen creates it, pushes it and calls startGame; as every
// controller it is a screen that the stack ticks, draws and deletes. Main
// thread only.
#include "game/GameController.h"

#include <cstdint>

class GameControllerTimeTrial : public GameController {
public:
    GameControllerTimeTrial();

    // The controller's start, then the vitamins and three lives.
    void startGame() override;
    // The controller's rules, the thermometer's colour, the growing drain,
    // and the full (won) or empty (a life lost) thermometer.
    void updateGame(double t, double dt) override;
    // Groups of four (a matchable pair and two that clash with both), then
    // random smileys; no clowns.
    void generateSmileys(KivBase* list) override;
    // The neighbourhood's music and, once, the how-to-play help.
    void showHowToPlay() override;
    // The controller's part, then the hardness of the house.
    void beginNeighbourhood() override;
    // The house's thermometer rules, and once an arrow at the thermometer.
    void beginPlay() override;
    // Select (with a partner hint while hints last), deselect, or try the
    // pair.
    void onSmileySelected(Smiley* smiley) override;
    // Thermometer gain, points, bonuses and the two newcomers.
    void onMatch(Smiley* a, Smiley* b) override;
    // Thermometer loss (no points are taken).
    void onMistake(Smiley* a, Smiley* b) override;

    bool howToPlayShown = false;
    // "matching smiley" hints left in this game.
    int32_t hintsLeft = 3;
    bool clownTipShown = false;
    bool lostLifeTipShown = false;
    // Thermometer units drained per second at the start of a house.
    float baseDrain = 0.0f;

private:
    // Newcomers in the apartments of the matched a and b: the first a
    // partner of the loneliest smiley when it had none, the second one that
    // clashes with the first (or now and then a clown).
    void replaceMatched(const Smiley* a, const Smiley* b);
    // The thermometer ran out: a life lost, and the house again or the
    // game over.
    void loseLife();
};
