#pragma once
// ChamomileIntro: the flower the intro's butterfly sits on: the first 0.8 of
// the image "chamomile:0" on a bending quad, anchored at the middle of its
// left edge (the foot of the stem), whose bend follows a spring. A steady
// force (F, 0, 0) on the spring settles the stem at a bend of -F radians;
// when the force stops the stem swings back. The intro screen creates it,
// places and rotates it, pushes it through spring.force and owns it through
// its child list, which ticks, draws and deletes it. Main thread only; needs
// the loaded texture "chamomile" and Global's Detail setting.
#include "Renderable.h"
#include "effects/Spring.h"

class BendQuad;

class ChamomileIntro : public Renderable {
public:
    // Its own bending skin, finer at High detail.
    ChamomileIntro();
    ~ChamomileIntro() override;
    ChamomileIntro(const ChamomileIntro&) = delete;
    ChamomileIntro& operator=(const ChamomileIntro&) = delete;

    // The spring's step, then the bend. No state machine, no children.
    void tick(double t, double dt) override;

    // Mass 0.01, friction 2.0; its x is the bend, in radians, against the
    // bend's direction.
    Spring spring;
    // Owned; also the flower's skin.
    BendQuad* bendQuad;
};
