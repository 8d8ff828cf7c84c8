#pragma once
// GameControllerAdventure: quest mode, the game's main mode. Every house is
// filled with smileys that can all be paired off (a clown now and then in
// place of a partner); the player clears it by matching two at a time.
// Smileys left without a partner liquify into the slots of a thermometer
// that carries over from house to house; when every slot is full the game
// is over. The mode-selection screen creates it, pushes it and calls
// startGame; as every controller it is a screen that the stack ticks, draws
// and deletes. Main thread only.
#include "game/GameController.h"

#include <cstdint>

class GameControllerAdventure : public GameController {
public:
    GameControllerAdventure();

    // The controller's start, then the vitamins and the thermometer slots.
    void startGame() override;
    // The controller's rules, then the end of a cleared house, "no more
    // matches" and the leftovers' liquify sequence.
    void updateGame(double t, double dt) override;
    // Pairs of smileys that can be matched (or a smiley and a clown).
    void generateSmileys(KivBase* list) override;
    // As the controller places them, with the centre of an odd house empty.
    void placeSmileys(KivBase* list) override;
    // "empty slot" (kind 12) here, the others as the controller does.
    bool useVitamin(int kind) override;
    // The neighbourhood's music and, once, the how-to-play help.
    void showHowToPlay() override;
    // The controller's part, then the hardness of the house.
    void beginNeighbourhood() override;
    // The house's rules, and an arrow that counts the slots left.
    void beginPlay() override;
    // Select, deselect, or try the pair.
    void onSmileySelected(Smiley* smiley) override;
    // Points, coins, the rising match sound and the chain and circus bonuses.
    void onMatch(Smiley* a, Smiley* b) override;
    // The penalty, with a popup over b (not null).
    void onMistake(Smiley* a, Smiley* b) override;

    bool howToPlayShown = false;
    bool clownTipShown = false;
    bool noMatchesTipShown = false;
    // 10, 8, 6 or 4 slots by difficulty; set when the game starts.
    int32_t thermometerSlotCount = 0;

private:
    // No two smileys left can be matched: the leftovers light up their
    // clashes and the house waits (state 7).
    void strandLeftovers();
    // The leftovers leave and flow into the thermometer's slots; the house
    // ends, or the game when the slots are full.
    void liquifyLeftovers();
};
