#include "effects/Chamomile.h"

#include "BendQuad.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {
// Keypad code of the middle of the left edge: the stem's foot.
constexpr int STEM_FOOT = 4;
constexpr float STRAIGHT = 0.001f;
// Force with which the pointer pushes the flower aside.
constexpr float MOUSE_PUSH = 1.0f;
}

Chamomile::Chamomile() : bendQuad(new BendQuad())
{
    bendQuad->vertical = true;
    bendQuad->copyFromSkin(GameSupport::resource<Quad>("chamomile:0"));
    // Finer bends only where the player asked for detail.
    bendQuad->pairCount = GameSupport::highDetail() ? 8 : 4;
    // Flowers of 70% to 100% of the picture's length.
    UVRect& uv = bendQuad->uvRect;
    uv.bottom = uv.top + (uv.bottom - uv.top) * static_cast<float>(0.7 + 0.3 * GameSupport::randomFraction());
    bendQuad->resetSize();
    bendQuad->setOriginLocation(STEM_FOOT);
    pSkin = bendQuad;
    bHasInvXform = true;
    spring.mass = 0.005f;
    spring.friction = 2.0f;
    updateVisuals();
}

Chamomile::~Chamomile()
{
    delete bendQuad;
}

void Chamomile::tick(double t, double dt)
{
    spring.tick(t, dt);
    if (bMouseReactive && isMouseInside())
        spring.force.x = restBend > 0.0f ? -MOUSE_PUSH : MOUSE_PUSH;
    float bend = restBend - spring.position.x;
    if (std::fabs(bend) < STRAIGHT)
        bend = 0.0f;
    bendQuad->setBend(bend);
}
