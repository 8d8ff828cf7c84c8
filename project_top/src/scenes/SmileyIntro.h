#pragma once
// SmileyIntro: a smiley puppet of the intro cut-scene, drawn by four plain
// parts (body, eyes, pupils, expression) that its creator skins. It blinks by
// itself (state 1 eyes open, state 2 blink), moves its pupils to look about,
// hops under gravity and bounces on landing, squashing on a spring as it
// takes off and lands. Its position is the point where it touches the ground
// (y = 0). The intro screen creates it and owns it through its child list,
// which ticks, draws and deletes it; the parts are its own children. Main
// thread only; needs the loaded sounds "voice9" and "voice10".
#include "Renderable.h"
#include "V3.h"
#include "effects/Spring.h"

class Skin;

class SmileyIntro : public Renderable {
public:
    enum EyesState { STATE_EYES_OPEN = 1, STATE_BLINK = 2 };
    // Downward acceleration while hopping, units per second squared.
    static constexpr float GRAVITY = 1024.0f;

    // The four parts, unskinned; hopping on; blinking started.
    SmileyIntro();

    // Spring, hop and landing, pupils, squash, then blink and parts.
    void tick(double t, double dt) override;
    // The parts in list order (the smiley itself has no skin).
    void render() override;
    // Renderable's transform, then the parts' centre 31 units above the
    // ground point, so the squash keeps the feet on the ground.
    void applyXform(Matrix& matrix) override;
    // Renderable's update; every live part takes this transform.
    void updateVisuals() override;
    void onStateChange() override;

    // Moves the pupils over 0.5 s towards angle (radians: 0 right, pi/2 up)
    // at amount 0..1 of their reach; the move starts from the previous
    // target, not from where the pupils are now.
    void look(float angle, float amount);
    // Takes off with the velocity (units per second), squashing, with the
    // sound "voice9". It moves only while hopping is set.
    void hop(float vx, float vy, float vz);

    // Its x is the squash: positive wider and lower, negative narrower and
    // taller. A member, stepped by tick.
    Spring spring;
    // Children, drawn in this order; owned through the object tree.
    Renderable* body;
    Renderable* eyes;
    Renderable* pupils;
    Renderable* expression;
    // What eyes shows with the eyes open and during a blink (null: the
    // blink keeps the open skin). Not owned (resources).
    Skin* eyesOpenSkin = nullptr;
    Skin* eyesClosedSkin = nullptr;
    // Units per second.
    V3 velocity;
    bool hopping = true;
    // Pupil offsets relative to the smiley at the start and end of the look.
    V3 lookFrom;
    V3 lookTo;
    // 0..1 along the current look.
    float lookBlend = 0.0f;

private:
    void showOnEyes(Skin* skin);
};
