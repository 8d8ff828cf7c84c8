#pragma once
// HouseTimers: the two timed events of play: now and then a smiley grows
// impatient and holds its breath (only one that still has a partner), and
// now and then one carries a multiplier bubble. Each timer fires when the
// game's time passes its next mark and draws a new mark between the
// controller's minimum and maximum (seconds). Owned by its GameController,
// which runs it every frame of play. Main thread only.
class GameController;

class HouseTimers {
public:
    // game: the controller that owns this (outlives it).
    explicit HouseTimers(GameController& game);

    // One frame of play at game time t (seconds).
    void tick(double t);

private:
    GameController& game;
};
