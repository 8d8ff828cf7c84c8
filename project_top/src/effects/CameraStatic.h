#pragma once
// CameraStatic: a fixed glide target for a ContextBlender's camera: appended
// as the last child of the CameraBlender (which then owns and ticks it), it
// makes the view glide to its position over its duration along its curve.
// The game controller glides to each street and house with it, the intro
// follows its hero. Main thread only.
#include "CameraBlenderFactor.h"

class CameraStatic : public CameraBlenderFactor {
public:
    // Camera at (x, y, z) looking at (x, y); with clampToGround raised so that
    // the bottom of the view at depth 0 is not below y = -4. The creator may
    // set curve and duration before appending it.
    CameraStatic(float x, float y, float z, bool clampToGround);
};
