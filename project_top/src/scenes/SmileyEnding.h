#pragma once
// SmileyEnding: a smiley with a random face that hops across the bottom of
// the ending scene, bouncing on the floor line with a squash, and goes away
// once past the right edge. It does not react to clicks. The ending screen
// creates it, sets its velocity and owns it through its smiley layer, which
// ticks, draws and deletes it. Main thread only; needs the loaded smiley
// textures, each of 1 to 16 frames.
#include "V3.h"
#include "board/Smiley.h"

class SmileyEnding : public Smiley {
public:
    // Floor line of the hops, view units.
    static constexpr float FLOOR = -236.0f;
    // Past this x the smiley is gone.
    static constexpr float RIGHT_EXIT = 400.0f;

    // A random face, idle (state 2).
    SmileyEnding();

    // The hop, then the smiley's own update.
    void tick(double t, double dt) override;

    // Units per second; the creator sets x and y.
    V3 velocity;
};
