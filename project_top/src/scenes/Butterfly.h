#pragma once
// Butterfly: the intro's butterfly. It rests on a point of a fixed path with
// its wings beating slowly, or flies along the path's Bezier segments (2 s
// each) with faster beats that bob it up and down, and comes to rest at the
// end. State 1 resting, state 2 flying; only flyAway starts a flight and only
// the end of the path ends it. Its colour tints the frames of the texture
// "butterfly", picked by the wing position. The intro screen creates it and
// owns it through its child list, which ticks, draws and deletes it. Main
// thread only; needs the loaded texture "butterfly".
#include "Renderable.h"
#include "V3.h"

#include <cstdint>

class Texture;

class Butterfly : public Renderable {
public:
    enum ButterflyState { STATE_RESTING = 1, STATE_FLYING = 2 };
    static constexpr int MAX_POINTS = 32;
    // The one path the game has: from the intro's flower up and to the right.
    static constexpr int PRESET_INTRO = 3;

    // Rests on the first point of the preset's path; an unknown preset, or a
    // "butterfly" texture without frames, is fatal.
    explicit Butterfly(int preset);

    // Path, wing beat and bobbing, facing and frame. No state timer, no
    // children.
    void tick(double t, double dt) override;

    // Turns back along the path and flies to its other end. Refused (nothing
    // changes) when the point it would fly to lies outside the path, as for
    // a butterfly already flying away from its first point.
    void flyAway();

    // Wing position 0 (closed) .. 1 (open); picks the frame.
    float flap = 0.0f;
    // Wing position at which the current beat turns; 0 while closing.
    float flapTarget = 0.0f;
    // "butterfly"; its first frameCount skins are the frames. Not owned.
    Texture* frames;
    int32_t frameCount;
    // The beat's bobbing, added to the path while flying; units (per second).
    V3 flutterVelocity;
    V3 flutterOffset;
    V3 points[MAX_POINTS];
    V3 tangents[MAX_POINTS];
    int32_t pointCount = 0;
    // The point rested at or flown from.
    int32_t current = 0;
    // +1 or -1 along the path.
    int32_t direction = -1;
    // 0..1 along the current segment.
    float progress = 0.0f;

private:
    // The point after from in the flight direction is the path's last.
    bool isLastSegment() const;
};
