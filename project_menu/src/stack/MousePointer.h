#pragma once
// MousePointer: the cursor the program draws itself (the system cursor is
// hidden while the input is grabbed). It follows the mouse on the screen
// stack's pointer layer and slides through the frames of the "mousePointer"
// texture towards its last frame while a mouse button is held. The screen
// stack owns the one instance; the texture belongs to the resource root.
// Main thread only.
#include "Renderable.h"

class Texture;

class MousePointer : public Renderable {
public:
    // How fast the pressed look comes and goes, per second.
    static constexpr float PRESS_RATE = 8.0f;

    // Fatal when "mousePointer" is not registered.
    MousePointer();

    // Follows the current screen's mouse point at depth 0 and updates the
    // pressed look; no state machine, no children.
    void tick(double t, double dt) override;

    // Not owned; its skins are the frames, released first.
    Texture* texture;
    // 0 released .. 1 fully pressed.
    float pressed = 0.0f;
};
