#include "MousePointer.h"

#include "Context.h"
#include "Kiv.h"
#include "KivInput.h"
#include "ResourceManager.h"
#include "Texture.h"

#include <algorithm>

MousePointer::MousePointer() : texture(pKiv->pResourceManager->findAs<Texture>("mousePointer"))
{
    pSkin = texture->skins.front();
    updateVisuals();
}

void MousePointer::tick(double, double dt)
{
    if (const Context* screen = pKiv->pCurrentContext)
        position = V3(screen->mouseX, screen->mouseY, 0.0f);
    updateVisuals();

    const KivInput& input = *pKiv->pInput;
    const float step = PRESS_RATE * static_cast<float>(dt);
    pressed += (input.bMouseHeld[0] || input.bMouseHeld[1]) ? step : -step;
    pressed = std::clamp(pressed, 0.0f, 1.0f);

    const int frame = static_cast<int>(pressed * static_cast<float>(texture->skins.size() - 1));
    Skin* look = texture->skins[static_cast<size_t>(frame)];
    if (look != pSkin) {
        pSkin = look;
        updateVisuals();
    }
}
