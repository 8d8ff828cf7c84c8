#include "RenderableText.h"

#include "FontQuad.h"

#include <algorithm>

RenderableText::RenderableText(float x, float y, float z, const std::string& caption, FontQuad* font,
                               UColor textColor)
    : pFont(font), text(caption)
{
    position = V3(x, y, z);
    color = textColor;
    updateVisuals();
}

void RenderableText::setText(const std::string& caption, double newLifetime, double newDelay)
{
    text = caption;
    lifetime = newLifetime;
    delay = newDelay;
    elapsed = 0.0;
}

void RenderableText::expire()
{
    if (text.empty())
        return;
    lifetime = std::min(lifetime, elapsed + fadeOut);
    delay = 0.0;
}

void RenderableText::tick(double, double dt)
{
    if (delay > 0.0)
        delay -= dt;
    if (delay > 0.0)
        return;
    if (elapsed < lifetime) {
        elapsed = std::min(elapsed + dt, lifetime);
        if (fadeIn <= 0.0 && fadeOut <= 0.0)
            return;
        int alpha;
        if (elapsed < fadeIn)
            alpha = static_cast<int>(static_cast<float>(elapsed / fadeIn) * 255.0);
        else if (elapsed <= lifetime - fadeOut)
            alpha = 255;
        else
            alpha = static_cast<int>(static_cast<float>((lifetime - elapsed) / fadeOut) * 255.0);
        color.a = static_cast<uint8_t>(std::clamp(alpha, 0, 255));
    } else if (bDieWhenDone) {
        bDead = 1;
    }
}

bool RenderableText::isShowing() const
{
    return !bHidden && delay <= 0.0 && elapsed < lifetime;
}

void RenderableText::render()
{
    if (!isShowing())
        return;
    if (!bShadow) {
        pFont->print(this, flags, text);
        return;
    }
    UColor shadow(0, 0, 0, static_cast<uint8_t>(static_cast<int>(color.a / 255.0 * 64.0)));
    pFont->printShadow(this, flags, text, 0.0f, -2.0f, 0.0f, shadow);
}
