#pragma once
// Solution: one path drawn from a puzzle solution set for a puzzle house,
// mirrored and turned at random; kept in MyGlobal's solution table so that a
// retried house keeps it. (Minimal until the puzzle mode lands: only the
// type that the table holds and deletes.) Main thread only.
#include "KivBase.h"

class Solution : public KivBase {
public:
    Solution() = default;
};
