#include "effects/CircleScore.h"

#include "BasicLinkIterator.h"
#include "Camera.h"
#include "FontQuad.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "effects/GameStage.h"
#include "effects/GameSupport.h"
#include "effects/ViewFit.h"
#include "rules/Scoring.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {
constexpr float PI = 3.14159265358979f;
constexpr double ZOOM_TIME = 0.5;
constexpr double FADE_TIME = 1.0;
// Low detail skips the zoom, but never appears in the frame it was made.
constexpr double SHORTEST_DELAY = 0.001;

// One symbol of a text laid on a ring, and how far it moves the pen.
struct RingStep {
    int code;
    float advance;
};

// The symbols of text and their advances along the ring: as the font prints
// the line, but for its blanks. The font's negative spacing lays the
// letters of a word outline on outline, and takes most of its narrow space
// away from the gap between two words, which then read as one
// ("clearbonus"). A blank between two glyphs gets that spacing back from
// the glyph before it, and the steps from one letter straight to the next
// give up as much between them: the line keeps the length the font
// measures, so it reaches no further round the ring towards the popup's
// other text.
std::vector<RingStep> ringSteps(const FontQuad& font, const std::string& text)
{
    std::vector<RingStep> steps;
    for (int i = 0; i < static_cast<int>(text.size()); ++i) {
        const int code = font.getSymbol(text, i);
        steps.push_back({code, static_cast<float>(font.getAdvance(code))});
    }
    auto inked = [&](const RingStep& step) { return font.getSymbolData(step.code).pQuad != nullptr; };
    std::vector<size_t> blanks, letterSteps;
    for (size_t k = 1; k < steps.size(); ++k) {
        if (!inked(steps[k - 1]))
            continue;
        if (inked(steps[k]))
            letterSteps.push_back(k - 1);
        else if (std::any_of(steps.begin() + static_cast<std::ptrdiff_t>(k), steps.end(), inked))
            blanks.push_back(k);
    }
    if (letterSteps.empty())
        return steps;
    float given = 0.0f;
    for (const size_t k : blanks) {
        const float back = static_cast<float>(-std::min(0, font.getSymbolData(steps[k - 1].code).spacing));
        steps[k].advance += back;
        given += back;
    }
    for (const size_t k : letterSteps)
        steps[k].advance -= given / static_cast<float>(letterSteps.size());
    return steps;
}
}

CircleScore::CircleScore(GameStage* paid, int amount, float delay)
    : sound(GameSupport::resource<Sound>("jingle03")), stage(paid)
{
    // The multiplier running now is counted in here, not when the points
    // are paid: the number the popup shows is the number it pays, even if
    // double score runs out in between.
    points = Scoring::popupPoints(amount, stage ? stage->stageDifficulty() : 0) * (stage ? stage->scoreMultiplier() : 1);
    if (GameSupport::highDetail())
        setState(STATE_ZOOMING, delay);
    else
        setState(STATE_SHOWN, std::max(static_cast<double>(delay), SHORTEST_DELAY));
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
    const float turn = static_cast<float>(direction);
    const std::vector<RingStep> steps = ringSteps(*font, text);
    // The pen starts half the measured width before the angle and moves on
    // by each step. Arc lengths are measured on the circle; the line's top
    // stands half a line outside it running one way, inside it running the
    // other.
    float pen = static_cast<float>(-(font->measure(text).width / 2));
    const float lineTop = static_cast<float>(font->lineHeight * direction / 2) + radius;
    for (const RingStep& step : steps) {
        if (Skin* glyph = font->getSymbolData(step.code).pQuad) {
            // Each glyph stands on the tangent through its own middle, where
            // the font would draw it hanging from the pen by its anchor.
            const float middle = pen - glyph->origin.x;
            const float angle = centreAngle - turn * middle / radius;
            const float standsAt = lineTop - turn * glyph->origin.y;
            Renderable* sprite = new Renderable();
            sprite->pSkin = glyph;
            sprite->color = colour;
            sprite->bIgnoreEvents = true;
            sprite->rotation.z = angle - turn * PI / 2.0f;
            const float c = std::cos(sprite->rotation.z), s = std::sin(sprite->rotation.z);
            sprite->position = V3(standsAt * std::cos(angle) + c * glyph->origin.x - s * glyph->origin.y,
                                  standsAt * std::sin(angle) + s * glyph->origin.x + c * glyph->origin.y, 0.0f);
            sprite->setPostXform(popup->xform);
            popup->addChildLast(sprite);
        }
        pen += step.advance;
    }
}

void CircleScore::moveIntoView(const Camera& camera)
{
    // The popup shows its points upright at full size: its sprites' corners
    // as they stand then, around its position.
    ViewBox shown;
    bool bInked = false;
    BasicLinkIterator it(this);
    while (KivBase* child = it.next()) {
        Renderable* sprite = static_cast<Renderable*>(child);
        if (!sprite->pSkin)
            continue;
        Matrix place;
        sprite->applyXform(place);
        sprite->pSkin->applyXform(place);
        const V3 half = sprite->pSkin->getHalfSize();
        for (const float sx : {-1.0f, 1.0f})
            for (const float sy : {-1.0f, 1.0f}) {
                const V3 corner = transformPoint(V3(sx * half.x, sy * half.y, 0.0f), place);
                const ViewBox point{corner.x, corner.y, corner.x, corner.y};
                shown = bInked ? shown.unitedWith(point) : point;
                bInked = true;
            }
    }
    if (!bInked)
        return;
    position += ViewFit::shiftInside(shown.movedBy(position.x, position.y),
                                     ViewBox::ofRect(camera.getVisibleRect(position.z)));
    updateVisuals();
}

void CircleScore::tick(double t, double dt)
{
    KivBase::tick(t, dt);
    if (state == STATE_ZOOMING) {
        const float u = static_cast<float>(2.0 * timeInState);
        const float f = u < 0.0f ? 1.0f : (u <= 1.0f ? 1.0f - u : 0.0f);
        const float k = 1.0f - f * f;
        scale = V3(k, k, scale.z);
        // One full turn, unwinding to upright as the popup reaches full size.
        rotation.z = 2.0f * PI * (1.0f - k);
        updateVisuals();
        shareTransform(this, -1);
    } else if (state == STATE_FADING) {
        const float g = fadeProgress(timeInState);
        scale = V3(1.0f + g, 1.0f + g, scale.z);
        updateVisuals();
        shareTransform(this, static_cast<int>(255.0f - 255.0f * g));
    }
}

void CircleScore::render()
{
    if (state != STATE_WAITING)
        KivBase::render();
}

void CircleScore::onStateChange()
{
    switch (state) {
    case STATE_ZOOMING:
        setState(STATE_SHOWN, ZOOM_TIME);
        break;
    case STATE_SHOWN: {
        scale = V3(1.0f, 1.0f, scale.z);
        rotation.z = 0.0f;
        updateVisuals();
        shareTransform(this, -1);
        if (stage)
            stage->creditPointsAsShown(points);
        if (sound)
            sound->playAtFrequency(soundFrequency);
        setState(STATE_FADING, displayTime);
        break;
    }
    case STATE_FADING:
        if (GameSupport::highDetail())
            setState(STATE_GONE, FADE_TIME);
        else
            bDead = 1;
        break;
    case STATE_GONE:
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
