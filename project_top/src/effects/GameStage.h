#pragma once
// GameStage: what the game's effects need of the game they play in, and
// nothing more: its difficulty, ways to credit points (the game keeps the
// score) and its score multiplier, its thermometer and the depth of its
// scene. The game controller implements it and hands itself to the effects
// it makes; an effect made outside a game is given none. Main thread only.
class GameStage {
public:
    // The game's difficulty setting, 0..3.
    virtual int stageDifficulty() const = 0;
    // Points earned, credited through the score multiplier.
    virtual void creditPoints(int points) = 0;
    // The factor the score multiplier puts on points earned now (1 while
    // none runs).
    virtual int scoreMultiplier() const = 0;
    // Points credited as they are, the multiplier already counted in (what a
    // bonus popup showed).
    virtual void creditPointsAsShown(int points) = 0;
    // Raises the thermometer by amount (0..1 scale); its level after.
    virtual float fillThermometer(float amount) = 0;
    // Screen units per world unit at depth 0 of the scene camera.
    virtual float sceneDepthScale() const = 0;

protected:
    ~GameStage() = default;
};
