#pragma once
// Clown: the wildcard smiley: it matches any smiley, has a picture of its
// own ("clown:0") instead of features, and its eyes follow the mouse
// pointer. Dismissing it ends the chain of matches the chain bonus counts.
// Created and owned like any smiley (the modes place it in the smiley
// layer). Main thread only.
#include "board/Smiley.h"

class Clown : public Smiley {
public:
    // Needs the loaded skins.
    Clown();

    // The smiley update, then the pupils look toward the pointer.
    void tick(double t, double dt) override;
    // Leaves, plays "stardust", destroys the match history's smileys and
    // bursts into stars at High detail.
    void dismiss() override;

    // Child ("clown:1"), owned through the object tree.
    Renderable* pupils = nullptr;
};
