#pragma once
// CircleCloud: a soft cloud that slowly turns and breathes: a centre disc
// ("circle:0") with a ring of puffs (CircleCloudElement children) around it.
// The in-game dialog uses it as its box, the intro for speech clouds and a
// challenge smiley stands on one. The creator places it and adds it to a
// parent, which ticks, draws and deletes it with its puffs. Main thread only.
#include "Renderable.h"

class CircleCloud : public Renderable {
public:
    // cloudScale: the size factor of the whole cloud (1 = ring radius 102).
    explicit CircleCloud(float cloudScale);

    // Breathing squash and turn, the puffs follow the cloud's transform, then
    // the object-tree update. t: absolute time in seconds.
    void tick(double t, double dt) override;
    // The puffs, then the centre disc over them.
    void render() override;

    // Units of the cloud's local space.
    float ringRadius = 102.0f;
    float cloudScale = 1.0f;
};
