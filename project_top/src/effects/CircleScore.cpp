#include "effects/CircleScore.h"

#include "BasicLinkIterator.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/GameStage.h"
#include "effects/GameSupport.h"
#include "rules/Scoring.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr float PI = 3.14159265358979f;
constexpr double ZOOM_TIME = 0.5;
constexpr double FADE_TIME = 1.0;
// Low detail skips the zoom, but never appears in the frame it was made.
constexpr double SHORTEST_DELAY = 0.001;
}

CircleScore::CircleScore(GameStage* paid, int amount, float delay)
    : sound(GameSupport::resource<Sound>("jingle03")), stage(paid)
{
    // The multiplier running now is counted in here, not when the points
    // are paid: the number the popup shows is the number it pays, even if
    // double score runs out in between.
    points = Scoring::popupPoints(amount, stage ? stage->stageDifficulty() : 0) * (stage ? stage->scoreMultiplier() : 1);
    if (GameSupport::highDetail())
        setState(1, delay);
    else
        setState(2, std::max(static_cast<double>(delay), SHORTEST_DELAY));
}

void CircleScore::addStar(UColor colour, float starScale)
{
    Renderable* star = new Renderable();
    star->scale = V3(starScale, starScale, 1.0f);
    star->pSkin = GameSupport::resource<Skin>("star:0");
    star->color = colour;
    star->bIgnoreEvents = true;
    star->updateVisuals();
    addChildLast(star);
}

void CircleScore::addCircularText(const std::string& text, UColor colour, float radius, float centreAngle,
                                  int direction)
{
    layTextOnCircle(this, text, colour, radius, centreAngle, direction);
}

void CircleScore::layTextOnCircle(Renderable* popup, const std::string& text, UColor colour, float radius,
                                  float centreAngle, int direction)
{
    const FontQuad* font = GameSupport::resource<FontQuad>("fontHUD");
    // The text starts half its measured width before its centre angle; each
    // glyph then takes its own width of the circle, without the font's
    // spacing, and a symbol without glyph the font's space.
    const int width = font->measure(text).width;
    float angle = static_cast<float>(width / 2 * direction) / radius + centreAngle;
    // Glyphs stand half a line outside the circle running one way, inside it
    // running the other.
    const float glyphRadius = static_cast<float>(font->lineHeight * direction / 2) + radius;
    for (const char c : text) {
        Skin* glyph = font->getSymbolData(static_cast<unsigned char>(c)).pQuad;
        if (!glyph) {
            angle -= static_cast<float>(direction * font->spaceWidth) / radius;
            continue;
        }
        angle -= static_cast<float>(direction) * glyph->width * 0.5f / radius;
        Renderable* sprite = new Renderable();
        sprite->pSkin = glyph;
        sprite->color = colour;
        sprite->bIgnoreEvents = true;
        sprite->position = V3(glyphRadius * std::cos(angle), glyphRadius * std::sin(angle), 0.0f);
        sprite->rotation.z = angle - static_cast<float>(direction) * PI / 2.0f;
        sprite->setPostXform(popup->xform);
        popup->addChildLast(sprite);
        angle -= static_cast<float>(direction) * glyph->width * 0.5f / radius;
    }
}

void CircleScore::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    if (state == 1) {
        const float u = static_cast<float>(2.0 * timeInState);
        const float f = u < 0.0f ? 1.0f : (u <= 1.0f ? 1.0f - u : 0.0f);
        const float k = 1.0f - f * f;
        scale = V3(k, k, scale.z);
        // One full turn, unwinding to upright as the popup reaches full size.
        rotation.z = 2.0f * PI * (1.0f - k);
        updateVisuals();
        shareTransform(this, -1);
    } else if (state == 3) {
        const float g = fadeProgress(timeInState);
        scale = V3(1.0f + g, 1.0f + g, scale.z);
        updateVisuals();
        shareTransform(this, static_cast<int>(255.0f - 255.0f * g));
    }
}

void CircleScore::render()
{
    if (state != 0)
        KivBase::render();
}

void CircleScore::onStateChange()
{
    switch (state) {
    case 1:
        setState(2, ZOOM_TIME);
        break;
    case 2: {
        scale = V3(1.0f, 1.0f, scale.z);
        rotation.z = 0.0f;
        updateVisuals();
        shareTransform(this, -1);
        if (stage)
            stage->creditPointsAsShown(points);
        if (sound)
            sound->playAtFrequency(soundFrequency);
        setState(3, displayTime);
        break;
    }
    case 3:
        if (GameSupport::highDetail())
            setState(4, FADE_TIME);
        else
            bDead = 1;
        break;
    case 4:
        bDead = 1;
        break;
    default:
        break;
    }
}

void CircleScore::shareTransform(Renderable* popup, int alpha)
{
    BasicLinkIterator it(popup);
    while (KivBase* child = it.next()) {
        Renderable* part = static_cast<Renderable*>(child);
        if (alpha >= 0)
            part->color.a = static_cast<uint8_t>(std::clamp(alpha, 0, 255));
        part->setPostXform(popup->xform);
    }
}

float CircleScore::fadeProgress(double timeInState)
{
    const float tau = static_cast<float>(timeInState);
    if (tau < 0.0f)
        return 0.0f;
    return tau <= 1.0f ? tau * tau : 1.0f;
}
