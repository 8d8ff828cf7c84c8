#include "Percentage.h"

#include "ErrorManager.h"
#include "Quad.h"
#include "Texture.h"

#include <algorithm>

Percentage::Percentage(Texture* barTexture, int backgroundFrame, int frame) : texture(barTexture), barFrame(frame)
{
    KIV_ASSERT(barFrame >= 0 && static_cast<size_t>(barFrame) < texture->skins.size());
    KIV_ASSERT(texture->skins[static_cast<size_t>(barFrame)]->getRuntimeClass()->isDerivedFrom(&Quad::classRecord));
    if (backgroundFrame >= 0) {
        KIV_ASSERT(static_cast<size_t>(backgroundFrame) < texture->skins.size());
        pSkin = texture->skins[static_cast<size_t>(backgroundFrame)];
    }
    Quad* quad = new Quad();
    quad->pTexture = texture;
    quad->resetSize();
    quad->setOriginLocation(4);
    bar.pSkin = quad;
    bar.bOwnsSkin = true;
    bar.position = V3(-0.5f * fullBar().width, 0.0f, 0.0f);
    bar.updateVisuals();
    setValue(0.0f);
}

const Quad& Percentage::fullBar() const
{
    return *static_cast<const Quad*>(texture->skins[static_cast<size_t>(barFrame)]);
}

Quad& Percentage::barQuad()
{
    return *static_cast<Quad*>(bar.pSkin);
}

void Percentage::setValue(float v)
{
    value = v;
    const float f = std::clamp(v, 0.0f, 1.0f);
    const UVRect& full = fullBar().uvRect;
    Quad& quad = barQuad();
    quad.uvRect = UVRect(full.left, full.top, full.left + f * (full.right - full.left), full.bottom);
    quad.resetSize();
    quad.setOriginLocation(4);
    updateVisuals();
}

void Percentage::render()
{
    if (bHidden)
        return;
    Renderable::render();
    bar.color = color;
    bar.render();
}

void Percentage::updateVisuals()
{
    Renderable::updateVisuals();
    bar.setPostXform(xform);
}
