#pragma once
// Smiley2ndRender: the second drawing pass of the smileys: it draws every
// smiley's attachments (multiplier bubble, alarm clock) over the smileys,
// coins and foreground scenery. The game controller places it in its scene
// after those layers; the scene owns, ticks and draws it. It does not own
// the smiley layer. Main thread only.
#include "KivBase.h"

class Smiley2ndRender : public KivBase {
public:
    // layer: not owned, must outlive this object; its children must all be
    // smileys.
    explicit Smiley2ndRender(KivBase* layer);

    // renderExtras of every live smiley of the layer, in list order.
    void render() override;

    KivBase* smileyLayer;
};
