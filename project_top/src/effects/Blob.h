#pragma once
// Blob: a drop that flies along a curve from a leftover smiley to the
// thermometer in quest mode, wobbling less as it goes, and raises its
// game's thermometer when it arrives; it then marks itself dead. The mode
// appends it to a layer, which ticks, draws and deletes it. Main thread only.
#include "Renderable.h"
#include "V3.h"

class GameStage;

class Blob : public Renderable {
public:
    // From (x0, y0, z0) to (x1, y1, z1) in flightTime seconds (> 0);
    // thermometerGain is added to stage's thermometer (0..1 scale) on
    // arrival. stage outlives the blob.
    Blob(GameStage& stage, float x0, float y0, float z0, float x1, float y1, float z1, double flightTime,
         float thermometerGain);

    // Flight, size and wobble; the arrival. No state machine.
    void tick(double t, double dt) override;

    // Per second: 1 / flight time.
    float rate = 1.0f;
    float amount = 0.0f;
    // Radians.
    float wobblePhase = 0.0f;
    // 0..1 along the flight.
    float progress = 0.0f;
    float baseScale = 1.0f;
    V3 startPoint;
    V3 endPoint;
    // First tangent of the flight curve.
    V3 startPush;
    GameStage& stage;
};
