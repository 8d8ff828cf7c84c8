#include "board/SolutionPathSegment.h"

#include "ErrorManager.h"
#include "Global.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Texture.h"
#include "board/BoardHost.h"
#include "effects/Firework.h"
#include "effects/GameSupport.h"

#include <cmath>

namespace {

// Growth per second: a full segment in half a second.
constexpr double GROWTH_SPEED = 2.0;
// The newest segment stops here, pointing toward the next apartment.
constexpr float NEWEST_GROWTH = 0.35f;
constexpr int SPARKS = 15;
const UColor SPARK_COLOUR(128, 255, 0, 255);

}

SolutionPathSegment::SolutionPathSegment(BoardHost& game, float x0, float y0, float z0, float x1, float y1, float z1)
    : texture(GameSupport::resource<Texture>("solutionPath"))
{
    // Frames: 0 the marker, 1 the start dot, 2 the line.
    KIV_ASSERT(texture->skins.size() >= 3);
    Skin* line = texture->skins[2];
    const V3 start(x0, y0, z0);
    const V3 rotationZ(0.0f, 0.0f, std::atan2(y1 - y0, x1 - x0));
    const V3 noLength(0.0f, 1.0f, 1.0f);
    setSkinAndTransform(line, &start, &rotationZ, &noLength);
    fullLength = std::sqrt((V3(x1, y1, z1) - start).lengthSquared()) / line->width;
    if (GameSupport::highDetail()) {
        game.addSceneEffect(new Firework(x0, y0, z0, SPARKS, 30.0f, 100.0f, 0.0f, static_cast<float>(2.0 * M_PI),
                                         2.0f, SPARK_COLOUR));
    }
}

void SolutionPathSegment::tick(double, double dt)
{
    growth = static_cast<float>(growth + GROWTH_SPEED * dt);
    const KivBase* path = getParent();
    if (path && path->pLastChild == this && growth > NEWEST_GROWTH)
        growth = NEWEST_GROWTH;
    const float left = growth < 0.0f ? 1.0f : growth > 1.0f ? 0.0f : 1.0f - growth;
    scale = V3(fullLength * (1.0f - left * left), 1.0f, 1.0f);
    updateVisuals();
}

void SolutionPathSegment::render()
{
    const KivBase* path = getParent();
    if (path && path->pFirstChild == this)
        texture->skins[1]->renderAt(position, color);
    // The middle of the line as far as it has grown: the segment's own
    // transform, without the line skin's anchor at its left end.
    Matrix own = postXform;
    applyXform(own);
    const float lineWidth = pSkin->width;
    texture->skins[0]->renderAt(transformPoint(V3(0.5f * lineWidth, 0.0f, 0.0f), own), color);
    Renderable::render();
}
