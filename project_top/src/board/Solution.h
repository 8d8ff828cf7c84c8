#pragma once
// Solution: the path of one puzzle house: a record drawn at random from a
// solution set, mirrored and turned at random, so one file gives several
// houses. The puzzle mode makes one per house and MyGlobal's solution table
// owns it for the whole run, so a retried house keeps its path. The set is
// a resource that outlives it. Main thread only.
#include "KivBase.h"

#include <cstdint>

class SolutionData;

class Solution : public KivBase {
public:
    // set: not owned; one without a usable record is fatal, naming its file.
    // Draws the record, the flips and (square sets only) the transposition
    // from the game's random sequence (StandardRandom).
    explicit Solution(SolutionData* set);

    // The cell (column x from the left, floor y from the bottom) visited at
    // step 0..cellCount-1, after the transformation.
    void getCell(int step, int* x, int* y) const;
    // getCell(step) - getCell(step - 1); (0, 0) for step 0.
    void getMove(int step, int* dx, int* dy) const;

    // Steps of the path: the set's record size.
    int32_t cellCount = 0;
    // The record used.
    int32_t record = 0;
    bool flipX = false;
    bool flipY = false;
    bool transpose = false;
    // Not owned.
    SolutionData* data = nullptr;
};
