#pragma once
// DrawEveryFrame: the program's schedule: every frame is drawn and shown,
// for the player watching the window. Holds nothing; main thread only.
#include "DrawSchedule.h"

class DrawEveryFrame : public DrawSchedule {
public:
    bool drawsFrame() override { return true; }
};
