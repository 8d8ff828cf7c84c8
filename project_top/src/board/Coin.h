#pragma once
// Coin: what a matched smiley drops: it falls from above the view onto the
// smiley's floor, bounces once and then flies to the top-left corner of the
// view, crediting its value to the player; a click on a falling coin adds 5.
// Made only by Smiley::dropCoin, which appends it to the game's coin layer;
// the layer ticks, draws and deletes it.
// Main thread only.
#include "Renderable.h"
#include "V3.h"

#include <cstdint>

class BoardHost;
class Texture;

class Coin : public Renderable {
public:
    enum CoinState { STATE_FALLING = 1, STATE_FLYING = 2 };

    // Lands at (x, y, z) in game's scene (game outlives the coin); kind 1 a
    // small coin worth 10, 2 a gold coin worth 25. Starts above the view.
    Coin(BoardHost& game, float x, float y, float z, int kind);

    // Click test, fall and bounce, flight, spin.
    void tick(double t, double dt) override;
    // Credits the coin to its game and starts its flight.
    void collect();

    // "coin": its skins are the spin frames; not owned (a resource).
    Texture* texture = nullptr;
    // 0..1 along the spin cycle.
    float phase = 0.0f;
    // Coins credited when collected.
    int32_t value = 0;
    bool bounced = false;
    // Units per second.
    V3 velocity;
    // The landing point until collected, then the start of the flight.
    V3 start;
    // The end of the flight.
    V3 target;

private:
    // Frames of texture (its composite skins, if any, left out); at least 1.
    int32_t frameCount = 0;
    BoardHost& host;
};
