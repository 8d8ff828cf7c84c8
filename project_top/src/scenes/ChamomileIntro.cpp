#include "scenes/ChamomileIntro.h"

#include "BendQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "effects/GameSupport.h"

namespace {
// Keypad code of the middle of the left edge: the foot of the stem.
constexpr int STEM_FOOT = 4;
// The part of the image the flower shows, along the stem.
constexpr float SHOWN_LENGTH = 0.8f;
} // namespace

ChamomileIntro::ChamomileIntro() : bendQuad(new BendQuad())
{
    spring.mass = 0.01f;
    spring.friction = 2.0f;
    bendQuad->vertical = true;
    bendQuad->copyFromSkin(GameSupport::resource<Quad>("chamomile:0"));
    bendQuad->pairCount = 4 * GameSupport::detailLevel() + 4;
    bendQuad->allocateVertices();
    pSkin = bendQuad;
    UVRect& uv = bendQuad->uvRect;
    uv.bottom = uv.top + (uv.bottom - uv.top) * SHOWN_LENGTH;
    bendQuad->resetSize();
    bendQuad->setOriginLocation(STEM_FOOT);
    updateVisuals();
}

ChamomileIntro::~ChamomileIntro()
{
    pSkin = nullptr;
    bendQuad->deleteMe();
}

void ChamomileIntro::tick(double t, double dt)
{
    spring.tick(t, dt);
    bendQuad->setBend(-spring.position.x);
}
