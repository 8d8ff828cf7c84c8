// The intro's actors on a stage of their own over the main menu, stepped
// with a fixed dt: a smiley's hop lands where and when gravity says and
// bounces as high again, with its voices; the butterfly rests until told and
// flies its path to the end, refusing a flight off its path; the flower
// bends against a steady push and swings back.
#include "SceneTestSupport.h"

#include "BendQuad.h"
#include "Butterfly.h"
#include "ChamomileIntro.h"
#include "Kiv.h"
#include "ResourceManager.h"
#include "SmileyIntro.h"
#include "Sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace scenetest {
namespace {

// A bare screen over the menu, its view centred on (0, 0), holding actor.
template <typename Actor>
Actor* onStage(GameHarness& game, Actor* actor)
{
    game.pushStage()->addChildLast(actor);
    return actor;
}

TEST(IntroActors, AHopLandsWhereAndWhenGravitySaysAndBouncesAsHighAgain)
{
    GameHarness& game = gameAtMenu();
    SmileyIntro* smiley = onStage(game, new SmileyIntro());
    const Sound* takeOff = pKiv->pResourceManager->findAs<Sound>("voice9");
    const double before = takeOff->lastStartTime;
    smiley->hop(200.0f, 400.0f, 0.0f);
    EXPECT_GT(takeOff->lastStartTime, before) << "no voice as it takes off";

    // Up for 400/1024 s and as long down: 0.78 s and 156 units a hop, each
    // landing on the ground with a voice and rising again as high.
    std::vector<std::pair<double, float>> landings;
    float peak = 0.0f;
    const int start = game.driver.frames;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord& record) {
        peak = std::max(peak, smiley->position.y);
        if (std::find(record.sounds.begin(), record.sounds.end(), "voice10") != record.sounds.end()) {
            landings.emplace_back(game.driver.dt * (record.frame - start), smiley->position.x);
            EXPECT_NEAR(peak, 78.0f, 2.5f) << "landing " << landings.size();
            peak = 0.0f;
        }
    };
    game.step();
    EXPECT_GT(smiley->scale.x, 1.0f) << "no squash as it takes off";
    game.stepSeconds(1.6);
    game.recorder = FrameRecorder();
    ASSERT_EQ(landings.size(), 2u);
    for (size_t i = 0; i < landings.size(); ++i) {
        EXPECT_NEAR(landings[i].first, 0.78 * static_cast<double>(i + 1), 0.02) << "landing " << i;
        EXPECT_NEAR(landings[i].second, 156.0f * static_cast<float>(i + 1), 4.0f) << "landing " << i;
    }
    game.activeScreen()->bFinished = true;
}

TEST(IntroActors, TheButterflyRestsUntilToldThenFliesItsPathToTheEndAndStaysThere)
{
    GameHarness& game = gameAtMenu();
    Butterfly* butterfly = onStage(game, new Butterfly(Butterfly::PRESET_INTRO));
    const V3 flower = butterfly->points[0];
    const V3 end = butterfly->points[butterfly->pointCount - 1];
    game.stepSeconds(5.0);
    EXPECT_EQ(butterfly->position, flower);

    // Told twice, it keeps to its course: the second flight would leave the path.
    butterfly->flyAway();
    butterfly->flyAway();
    game.stepSeconds(4.0);
    EXPECT_NE(butterfly->position, flower);
    EXPECT_EQ(butterfly->state, 2);
    game.stepSeconds(4.0 + game.driver.dt);
    EXPECT_EQ(butterfly->position, end);
    EXPECT_EQ(butterfly->state, 1);
    game.stepSeconds(3.0);
    EXPECT_EQ(butterfly->position, end);

    // From the end it can fly back, all the way to the flower.
    butterfly->flyAway();
    game.stepSeconds(8.0 + game.driver.dt);
    EXPECT_EQ(butterfly->position, flower);
    game.activeScreen()->bFinished = true;
}

TEST(IntroActors, TheFlowerBendsAgainstASteadyPushAndSwingsBackWhenItStops)
{
    GameHarness& game = gameAtMenu();
    ChamomileIntro* flower = onStage(game, new ChamomileIntro());
    const Quad* image = pKiv->pResourceManager->findAs<Quad>("chamomile:0");
    EXPECT_NEAR(flower->bendQuad->width, 0.8f * image->height, 0.5f) << "not the first 0.8 of the stem";

    auto push = [&](float force, double seconds) {
        float least = flower->bendQuad->bendAngle;
        for (int i = 0; i * game.driver.dt < seconds; ++i) {
            flower->spring.force = V3(force, 0.0f, 0.0f);
            game.step();
            least = std::min(least, flower->bendQuad->bendAngle);
        }
        return least;
    };
    push(-1.0f, 6.0);
    EXPECT_NEAR(flower->bendQuad->bendAngle, 1.0f, 0.01f);
    const float least = push(0.0f, 1.0);
    EXPECT_LT(least, 0.0f) << "it does not swing back past upright";
    push(0.0f, 6.0);
    EXPECT_NEAR(flower->bendQuad->bendAngle, 0.0f, 0.01f);
    game.activeScreen()->bFinished = true;
}

} // namespace
} // namespace scenetest
