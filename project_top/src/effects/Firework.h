#pragma once
// Firework: a burst of falling, shrinking sparks of the texture "flare" in
// one colour (vitamins, the thermometer, the solution path, the ending). It
// marks itself dead once every spark has died out; the layer it was appended
// to ticks, draws and deletes it. Main thread only.
#include "KivBase.h"
#include "Sparc.h"
#include "UColor.h"

#include <cstdint>
#include <memory>

class Texture;

class Firework : public KivBase {
public:
    // count sparks (none when count <= 0) at (x, y, z); speeds
    // speedMin..speedMax units per second; direction and spread in radians;
    // sparks shrink towards 0.1 from sparkScale; colour of every spark.
    Firework(float x, float y, float z, int count, float speedMin, float speedMax, float direction, float spread,
             float sparkScale, UColor colour);

    // Moves, drops and shrinks the sparks; runs no state machine and no children.
    void tick(double t, double dt) override;
    // The live sparks in array order.
    void render() override;

    // Life units lost per second.
    float lifeDecay = 128.0f;
    std::unique_ptr<Sparc[]> particles;
    int32_t particleCount = 0;
    float maxSpeed = 0.0f;
    float particleScale = 1.0f;
    // Not owned (a resource).
    Texture* flareTexture = nullptr;
};
