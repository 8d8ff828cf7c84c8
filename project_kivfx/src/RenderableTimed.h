#pragma once
// RenderableTimed: a drawable with a timeline. It waits out a start delay
// unseen, fades in, stays for its lifetime, fades out towards the end of it
// and then marks itself dead, so its parent deletes it. The fades act on the
// alpha byte of color only. Creators set the fields right after
// construction; the logo item derives from it. Main thread only.
#include "Renderable.h"

class RenderableTimed : public Renderable {
public:
    RenderableTimed() = default;

    // The object-tree update (state machine, children), then the timeline.
    void tick(double t, double dt) override;
    // Renderable's draw, once the start delay has run out.
    void render() override;

    // Seconds of start delay still to run.
    double delay = 0.0;
    // Seconds after the start delay at which the object ends.
    double lifetime = 999999.0;
    // Fade lengths in seconds at the start and the end of the lifetime; 0:
    // none.
    double fadeIn = 0.0;
    double fadeOut = 0.0;
    // Seconds lived since the start delay ran out.
    double elapsed = 0.0;
};
