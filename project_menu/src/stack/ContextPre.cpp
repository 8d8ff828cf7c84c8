#include "ContextPre.h"

#include "Background.h"
#include "CameraBlender.h"
#include "Kiv.h"
#include "KivGraphics.h"

ContextPre::ContextPre()
{
    addChildLast(new Background(Background::LAYER_SKY | Background::LAYER_GRASS | Background::LAYER_GROUND));
    const KivGraphics& graphics = *pKiv->pGraphics;
    getCameraBlender()->jumpTo(0.0f, static_cast<float>(graphics.fovHeight / 2 - 4),
                               static_cast<float>(-(graphics.fovWidth / 2)), false);
}
