// What the game places and sizes by the view of its scene camera, seen where
// the camera's distance shows: at the standard distance and pulled back for
// houses of five and of seven floors. The view at depth 0 is worked out from
// the house as the rules give it (the camera steps back until the floors and
// 48 units more fill the view's 480 units of height, never nearer than the
// standard distance; the view's right edge lies 16 units past the house, its
// bottom edge on the ground line), never read from the camera.
#include "DrawnRange.h"
#include "GameHarness.h"

#include "CameraBlender.h"
#include "ContextBlender.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "board/Coin.h"
#include "board/House.h"
#include "board/Smiley.h"
#include "board/SmileyGenerator.h"
#include "effects/Blob.h"
#include "effects/CameraStatic.h"

#include <string>

namespace {

using namespace testsupport;

constexpr float VIEW_WIDTH = 640.0f, VIEW_HEIGHT = 480.0f;
// The lowest the view's bottom edge at depth 0 goes.
constexpr float GROUND = -4.0f;
constexpr int COLUMNS = 4;
constexpr float NEAR = 0.01f;

// A prop of the street whose right end lies at x.
Renderable* postEndingAt(float x)
{
    Renderable* post = new Renderable();
    post->pSkin = pKiv->pResourceManager->findAs<Skin>("pole:0");
    post->updateVisuals();
    post->position.x = x - (post->boundsCentre.x + post->boundsRadius);
    post->updateVisuals();
    return post;
}

// Each row a house at the origin in a game whose state machine does not run,
// the scene camera standing where the house asks: the challenge round's
// smiley 90 view units in from the view's left edge and half its height up;
// a coin flying to the view's top-left corner, 50 units below its top; a
// leftover's drop starting at a half to a whole of its standard size on
// screen; a prop wholly left of the view cleared when play begins, one
// reaching a unit into it kept; the next street's sign one and a half view
// widths on, the glide there ending with the view's bottom on the ground.
TEST(CameraDepth, WhatTheGameSizesByTheViewKeepsToTheViewHoweverFarTheCameraStandsBack)
{
    GameHarness::get();
    const struct {
        int floors;
        // World units per view unit at depth 0: (floors x 108 + 48) / 480,
        // at least 1.
        float depth;
    } houses[] = {{4, 1.0f}, {5, 1.225f}, {7, 1.675f}};
    for (const auto& row : houses) {
        SCOPED_TRACE(std::to_string(row.floors) + " floors");
        const float d = row.depth;
        const float right = COLUMNS * 112.0f + 16.0f, left = right - VIEW_WIDTH * d;
        const float top = GROUND + VIEW_HEIGHT * d;
        GameController game;
        game.house = new House();
        game.house->create(0.0f, COLUMNS, row.floors, game.houseBackLayer);
        game.houseLayer->addChildLast(game.house);
        const V3 spot = game.house->getCameraPosition();
        CameraBlender* camera = game.scene->getCameraBlender();
        camera->jumpTo(spot.x, spot.y, spot.z, true);
        camera->lateUpdate(0.0, 0.0);

        game.generator->configure(0);
        game.generator->setup(0.0f);
        KivBase answers;
        game.fillHouse(&answers);
        ASSERT_NE(game.challengeSmiley, nullptr);
        EXPECT_NEAR(game.challengeSmiley->position.x, left + 90.0f * d, NEAR);
        EXPECT_NEAR(game.challengeSmiley->position.y, VIEW_HEIGHT / 2.0f * d, NEAR);

        const Coin coin(game, 100.0f, 0.0f, 0.0f, 1);
        EXPECT_NEAR(coin.target.x, left, NEAR);
        EXPECT_NEAR(coin.target.y, top - 50.0f, NEAR);

        DrawnRange drop;
        for (int i = 0; i < 400; ++i)
            drop.add(Blob(game, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 0.0f, 1.0, 0.1f).baseScale * d);
        EXPECT_TRUE(spans(drop, 0.5, 1.0)) << "a drop's size on screen";

        Renderable* gone = postEndingAt(left - 1.0f);
        Renderable* kept = postEndingAt(left + 1.0f);
        game.sceneryLayer->addChildLast(gone);
        game.sceneryLayer->addChildLast(kept);
        game.cullScenery();
        EXPECT_TRUE(gone->bDead);
        EXPECT_FALSE(kept->bDead);

        game.setState(GameController::STATE_STREET);
        const std::vector<RenderableText*> signs = childrenOf<RenderableText>(game.sceneryLayer);
        ASSERT_EQ(signs.size(), 1u);
        EXPECT_NEAR(signs[0]->position.x, right - VIEW_WIDTH / 2.0f * d + 1.5f * VIEW_WIDTH * d, NEAR);
        const std::vector<CameraStatic*> glides = childrenOf<CameraStatic>(camera);
        ASSERT_EQ(glides.size(), 1u);
        EXPECT_NEAR(glides[0]->position.y, GROUND + VIEW_HEIGHT / 2.0f * d, NEAR);
    }
}

} // namespace
