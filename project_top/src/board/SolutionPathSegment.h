#pragma once
// SolutionPathSegment: one step of a SolutionPath: a line piece
// ("solutionPath:2") that grows from one smiley toward the next, with a
// marker at its middle and, on the first segment, a dot at the start. The
// newest segment stops at 0.35 of its growth until another follows. Owned,
// ticked and drawn by its path. Main thread only.
#include "Renderable.h"

#include <cstdint>

class BoardHost;
class Texture;

class SolutionPathSegment : public Renderable {
public:
    // From (x0, y0, z0) to (x1, y1, z1), starting with no length; sparks at
    // the start in game's scene at High detail.
    SolutionPathSegment(BoardHost& game, float x0, float y0, float z0, float x1, float y1, float z1);

    // Growth over 0.5 s with an ease-out.
    void tick(double t, double dt) override;
    // Start dot (first segment only), marker, line.
    void render() override;

    // x scale at full length.
    float fullLength = 0.0f;
    float growth = 0.0f;
    // "solutionPath"; not owned (a resource).
    Texture* texture = nullptr;
    // The grid move the segment stands for.
    int32_t moveX = 0;
    int32_t moveY = 0;
};
