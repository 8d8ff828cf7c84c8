#include "board/Feature.h"

#include "ErrorManager.h"

#include <cmath>

namespace {

const double GLOW_FADE_PER_SECOND = 0.75;
// The outline pulses five times while the glow falls from 1 to 0.
const double GLOW_PULSES = 5.0;
const UColor GLOW_FAINT(128, 255, 0, 0);
const UColor GLOW_BRIGHT(128, 255, 0, 160);

}

Feature::Feature(int variants) : relevant(variants > 1), variantCount(variants)
{
    KIV_ASSERT(variants >= 1 && variants <= MAX_VARIANTS);
}

void Feature::tick(double t, double dt)
{
    glow = static_cast<float>(glow - GLOW_FADE_PER_SECOND * dt);
    if (glow < 0.0f)
        glow = 0.0f;
    KivBase::tick(t, dt);
}

void Feature::render()
{
    Renderable::render();
    if (bHidden || !bVisible || glow <= 0.0f || !glowSkins[frame])
        return;
    Renderable outline;
    outline.pSkin = glowSkins[frame];
    outline.color = UColor(GLOW_FAINT, GLOW_BRIGHT,
                           static_cast<float>(0.5 + 0.5 * std::sin(2.0 * M_PI * GLOW_PULSES * glow)));
    outline.setPostXform(postXform);
    outline.render();
}

void Feature::setVariant(int newVariant, int newFrame)
{
    KIV_ASSERT(newFrame >= 0 && newFrame < variantCount);
    variant = newVariant;
    frame = newFrame;
    if (pSkin != skins[frame]) {
        pSkin = skins[frame];
        updateVisuals();
    }
}
