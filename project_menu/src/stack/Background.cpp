#include "Background.h"

#include "Camera.h"
#include "Context.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "Renderable.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <cmath>

namespace {
const UColor SKY_COLOR(16, 128, 208, 255);

Skin* findSkin(const char* key)
{
    return pKiv->pResourceManager->findAs<Skin>(key);
}
} // namespace

Background::Background(int layerFlags) : flags(layerFlags)
{
}

void Background::render()
{
    if (flags & LAYER_SKY) {
        pKiv->pGraphics->clear(SKY_COLOR);
        drawLayer(findSkin("sky:0"), 3.0f, 0.0f, 86.0f, 0.0f);
        drawLayer(findSkin("hills:all"), 2.0f, 0.0f, -2.0f, 0.0f);
    }
    if (flags & LAYER_GRASS)
        drawLayer(findSkin("grass:all"), 1.0f, 0.0f, -1.0f, 0.0f);
    if (flags & LAYER_GROUND)
        drawLayer(findSkin("ground:all"), 1.0f, 0.0f, 2.0f, 0.0f);
    KivBase::render();
}

void Background::drawLayer(Skin* skin, float parallax, float x, float y, float z)
{
    const float width = skin->width;
    // A zero (or broken) tile width would never get across the view.
    if (!(width > 0.0f) || !(parallax > 0.0f))
        return;
    const Camera& camera = *pKiv->pCurrentContext->pCamera;
    const float c = camera.position.z;
    const Camera::VisibleRect seen = camera.getVisibleRect(0.0f);
    const Camera::VisibleRect far = camera.getVisibleRect(c + (0.0f - c) * parallax);

    Renderable tile;
    tile.pSkin = skin;
    const float period = parallax * width;
    const float phase = far.left - period * std::floor(far.left / period);
    const float first = seen.left - phase / parallax;
    // Counted in whole tiles so that a tile too narrow to move a float still
    // advances the row.
    for (int i = 0;; ++i) {
        const float left = first + static_cast<float>(i) * width;
        if (!(left < seen.right))
            break;
        tile.position = V3(left + x, y, z);
        tile.updateVisuals();
        tile.render();
    }
}
