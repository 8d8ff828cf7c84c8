#pragma once
// Percentage: a horizontal progress bar: a background frame (optional) and a
// bar that grows from its left end, both frames of one texture. The loader
// screen shows its progress with it and deletes it with the screen. The
// texture is not owned; the embedded bar owns the quad it draws.
// Main thread only.
#include "Renderable.h"

class Quad;
class Texture;

class Percentage : public Renderable {
public:
    // backgroundFrame < 0: no background. barFrame must be a frame of the
    // texture that is a plain Quad (fatal otherwise).
    Percentage(Texture* texture, int backgroundFrame, int barFrame);
    Percentage(const Percentage&) = delete;
    Percentage& operator=(const Percentage&) = delete;

    // Stores the value as given; the bar shows it clamped to 0..1.
    void setValue(float v);

    // The background, then the bar in this object's colour.
    void render() override;
    // The bar moves, turns and scales with this object.
    void updateVisuals() override;

    Texture* texture;
    int barFrame;
    float value = 0.0f;
    Renderable bar;

private:
    const Quad& fullBar() const;
    Quad& barQuad();
};
