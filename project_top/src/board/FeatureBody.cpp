#include "board/FeatureBody.h"

#include "Texture.h"
#include "board/TextureFrames.h"

namespace {

// Frames of "body" besides the body variants.
const int OVERLAY_FRAME = 3;
const int GLOW_FRAME = 5;

}

FeatureBody::FeatureBody(int variants) : Feature(variants)
{
    const TextureFrames body("body");
    bodyTexture = body.texture;
    // Fetching the last frame used proves the overlay frame before it, which
    // render takes straight from the texture.
    Skin* const glowOutline = body.frame(GLOW_FRAME);
    for (int i = 0; i < variantCount; ++i) {
        skins[i] = body.frame(i);
        glowSkins[i] = glowOutline;
    }
}

void FeatureBody::render()
{
    Feature::render();
    if (breathTint <= 0.0f)
        return;
    Renderable overlay;
    overlay.pSkin = bodyTexture->skins[OVERLAY_FRAME];
    overlay.color = UColor(UColor(255, 255, 255, 0), UColor(255, 255, 255, 255), breathTint);
    overlay.setPostXform(xform);
    overlay.render();
}
