#include "RenderableTimed.h"

namespace {

uint8_t opacityByte(float a)
{
    if (a < 0.0f)
        return 0;
    if (a > 1.0f)
        return 255;
    return static_cast<uint8_t>(a * 255.0f);
}

} // namespace

void RenderableTimed::tick(double t, double dt)
{
    Renderable::tick(t, dt);
    if (delay > 0.0)
        delay -= dt;
    if (delay > 0.0)
        return;
    if (lifetime > elapsed) {
        elapsed += dt;
        if (fadeIn > 0.0 && elapsed < fadeIn)
            color.a = opacityByte(static_cast<float>(elapsed / fadeIn));
        else if (fadeOut > 0.0 && elapsed > lifetime - fadeOut)
            color.a = opacityByte(static_cast<float>((lifetime - elapsed) / fadeOut));
        else
            color.a = 255;
    } else {
        bDead = 1;
    }
}

void RenderableTimed::render()
{
    if (delay <= 0.0)
        Renderable::render();
}
