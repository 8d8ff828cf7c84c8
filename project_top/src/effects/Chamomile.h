#pragma once
// Chamomile: a flower that sways on a spring and bends away from the mouse
// pointer. The game scene and the intro plant them; the creator places and
// rotates it and appends it to a layer, which ticks, draws and deletes it.
// It owns its bending skin. Main thread only.
#include "Renderable.h"
#include "effects/Spring.h"

class BendQuad;

class Chamomile : public Renderable {
public:
    // Its own BendQuad of "chamomile:0" at a random length; keeps its
    // inverse transform for the mouse test.
    Chamomile();
    // Deletes the bending skin.
    ~Chamomile() override;
    Chamomile(const Chamomile&) = delete;
    Chamomile& operator=(const Chamomile&) = delete;

    // Spring step, mouse push, bend. No state machine.
    void tick(double t, double dt) override;

    // Radians.
    float restBend = 0.0f;
    bool bMouseReactive = true;
    // Mass 0.005, friction 2.0; its x is the bend away from rest.
    Spring spring;
    // Owned; also the flower's skin.
    BendQuad* bendQuad = nullptr;
};
