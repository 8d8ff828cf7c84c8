#include "game/GameScenery.h"

#include "BasicLinkIterator.h"
#include "CameraBlender.h"
#include "ContextBlender.h"
#include "FontQuad.h"
#include "Global.h"
#include "Kiv.h"
#include "Language.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"
#include "Skin.h"
#include "board/House.h"
#include "effects/CameraStatic.h"
#include "effects/Chamomile.h"
#include "effects/GameSupport.h"
#include "game/GameController.h"
#include "rules/HouseProgression.h"
#include "rules/StandardRandom.h"

namespace {

constexpr float HALF_PI = 1.5707964f;
// Spacing of the points at which a frame is probed for a flower over it,
// world units; the narrowest flower is 24 wide.
constexpr float PROBE_STEP = 4.0f;

// The game's random fraction in [0, 1), for single-precision sums.
float randomFraction()
{
    return static_cast<float>(GameSupport::randomFraction());
}

Renderable* makeProp(Skin* skin, float x, float y, float angle)
{
    Renderable* prop = new Renderable();
    prop->pSkin = skin;
    prop->position = V3(x, y, 0.0f);
    prop->rotation.z = angle;
    prop->updateVisuals();
    return prop;
}

// One of the two trees, on a coin toss, standing at x.
Renderable* makeTree(float x)
{
    Skin* skin =
        StandardRandom::shared().heads() ? GameSupport::resource<Skin>("tree:all") : GameSupport::resource<Skin>("tree2:0");
    return makeProp(skin, x, -2.0f, randomFraction() * 0.2f - 0.1f);
}

Chamomile* makeFlower(float x)
{
    Chamomile* flower = new Chamomile();
    flower->position = V3(x, 0.0f, 0.0f);
    flower->setScaleXY(randomFraction() * 0.5f + 0.5f);
    flower->rotation.z = HALF_PI + randomFraction() * 0.7853982f - 0.3926991f;
    flower->updateVisuals();
    return flower;
}

// Whether any part of the flower's picture lies over the frame of the item,
// probed with the flower's own hit test.
bool covers(Renderable& flower, const Renderable& item)
{
    const float halfWidth = item.pSkin->width / 2.0f, halfHeight = item.pSkin->height / 2.0f;
    for (float y = -halfHeight; y <= halfHeight; y += PROBE_STEP)
        for (float x = -halfWidth; x <= halfWidth; x += PROBE_STEP)
            if (flower.isPointInside(item.position + V3(x, y, 0.0f)))
                return true;
    return false;
}

}

GameScenery::GameScenery(GameController& owner) : game(owner)
{
}

void GameScenery::addStreet()
{
    CameraBlender* camera = game.scene->getCameraBlender();
    const Camera::VisibleRect view = camera->getVisibleRect(0.0f);
    const float width = view.right - view.left;
    const float x = camera->position.x + 1.5f * width;
    game.sceneX = x;

    KivBase* scenery = game.sceneryLayer;
    scenery->addChildLast(makeTree(x + width / 2.0f));
    scenery->addChildLast(makeProp(GameSupport::resource<Skin>("pole:medium"), x, -110.0f, HALF_PI));
    scenery->addChildLast(makeProp(GameSupport::resource<Skin>("gui-game-board-arrowR:0"), x, 200.0f, 0.15f));
    RenderableText* name = new RenderableText(x, 200.0f, 0.0f, HouseProgression::neighbourhoodNames[game.neighbourhood],
                                              pGlobal->pFontMedium, UColor(255, 128, 0, 255));
    name->flags = FontQuad::PRINT_CENTRE_X | FontQuad::PRINT_CENTRE_Y;
    name->rotation.z = 0.15f;
    name->updateVisuals();
    scenery->addChildLast(name);
    if (StandardRandom::shared().below(3) == 0)
        scenery->addChildLast(makeProp(GameSupport::resource<Skin>("ladybug:0"), x - 90.0f, 180.0f, 0.0f));
    for (int i = 0; i < 2; ++i)
        game.flowerLayer->addChildLast(makeFlower(x + randomFraction() * 600.0f - 300.0f));

    CameraStatic* glide = new CameraStatic(x, 0.0f, camera->position.z, true);
    glide->duration = 3.0;
    camera->addChildLast(glide);
}

void GameScenery::addHouseSurroundings(const Camera::VisibleRect& seen)
{
    const float width = seen.right - seen.left;
    game.sceneryLayer->addChildLast(makeTree(seen.right + width / 2.0f));
    for (int i = 0; i < 3; ++i)
        game.flowerLayer->addChildLast(makeFlower(seen.right + 32.0f + (width - 64.0f) * randomFraction()));
    game.sceneryLayer->addChildLast(
        makeProp(GameSupport::resource<Skin>("pole:0"), seen.left + 125.0f, -165.0f, 1.7207963f));
    MenuButtonQuit* exit = new MenuButtonQuit(seen.left + 90.0f, 50.0f, 0.0f, "Exit", "");
    exit->setWidth(128);
    exit->confirmTitle = pKiv->pLanguage->getText(Language::CONFIRM);
    game.sceneryLayer->addChildLast(exit);
    // The flowers put down for this view when the house before was built
    // know nothing of the button, and theirs is the later layer: one that
    // would stand in front of it, over its caption, does not grow.
    BasicLinkIterator flowers(game.flowerLayer);
    while (KivBase* flower = flowers.next())
        if (covers(*static_cast<Renderable*>(flower), *exit))
            flower->bDead = true;
}

void GameScenery::cull()
{
    const float left = game.scene->getCameraBlender()->getVisibleRect(0.0f).left;
    for (KivBase* layer : {game.sceneryLayer, game.flowerLayer}) {
        BasicLinkIterator walk(layer);
        while (KivBase* object = walk.next()) {
            const Renderable* prop = static_cast<Renderable*>(object);
            if (prop->boundsCentre.x + prop->boundsRadius < left)
                object->bDead = true;
        }
    }
    BasicLinkIterator houses(game.houseLayer);
    while (KivBase* object = houses.next()) {
        const House* built = static_cast<House*>(object);
        if (built->originX + static_cast<float>(built->sizeX * built->cellWidth) < left)
            object->bDead = true;
    }
}
