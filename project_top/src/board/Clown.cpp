#include "board/Clown.h"

#include "Context.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "board/BoardHost.h"
#include "effects/GameSupport.h"
#include "effects/StarBurst.h"

#include <algorithm>
#include <cmath>

namespace {

// The pupils' offset at full reach, and the pointer distance that reaches it.
const float PUPIL_REACH = 4.0f;
const float FULL_REACH_DISTANCE = 200.0f;

Renderable* newPart(const char* skinKey)
{
    Renderable* part = new Renderable();
    part->pSkin = GameSupport::resource<Skin>(skinKey);
    return part;
}

}

Clown::Clown()
{
    haloColourA = UColor(255, 128, 0, 255);
    haloColourB = UColor(128, 0, 0, 255);
    isClown = true;
    pSkin = GameSupport::resource<Skin>("clown:0");
    pupils = newPart("clown:1");
    addChildLast(pupils);
    // Drawn over the pupils.
    addChildLast(newPart("clown:2"));
}

void Clown::tick(double t, double dt)
{
    Smiley::tick(t, dt);
    const Context* screen = pKiv->pCurrentContext;
    if (!screen)
        return;
    const V3 d = V3(screen->mouseX, screen->mouseY, screen->mouseZ) - pupils->boundsCentre;
    const float angle = std::atan2(d.y, d.x);
    const float reach = PUPIL_REACH * std::min(1.0f, std::sqrt(d.lengthSquared()) / FULL_REACH_DISTANCE);
    pupils->position = V3(reach * std::cos(angle), reach * std::sin(angle), 0.0f);
    pupils->updateVisuals();
}

void Clown::dismiss()
{
    Smiley::dismiss();
    GameSupport::resource<Sound>("stardust")->play();
    if (!host)
        return;
    // A clown ends any chain of matches.
    host->breakChain();
    if (GameSupport::highDetail())
        host->addSceneEffect(new StarBurst(boundsCentre.x, boundsCentre.y, boundsCentre.z, 75, 0.0f,
                                                      150.0f, 0.0f, static_cast<float>(2.0 * M_PI), 3.0f));
}
