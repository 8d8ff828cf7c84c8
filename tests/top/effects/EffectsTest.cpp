// The game's effects in the running game: bursts that end by themselves,
// bonus popups that pay once, the alarm clock's dial and the statistics
// lines' count. Driven frame by frame with the harness's fixed dt on a bare
// screen pushed over the real stack.
#include "GameHarness.h"

#include "Firework.h"
#include "Smoke.h"
#include "StarBurst.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace effectstest {
namespace {

using namespace testsupport;

// A bare screen on top of the stack for the objects under test: the stack
// ticks (and, with drawing on, draws) it every frame like any game screen.
// It leaves the stack, and is deleted, when the stage goes.
class Stage {
public:
    explicit Stage(GameHarness& harness) : game(harness), screen(new Context())
    {
        screen->bDeleteWhenFinished = true;
        game.stack()->pushContext(screen);
        game.step();
    }
    ~Stage()
    {
        screen->bFinished = true;
        game.step();
    }
    Stage(const Stage&) = delete;
    Stage& operator=(const Stage&) = delete;

    GameHarness& game;
    Context* const screen;
};

TEST(Effects, BurstsPlayOutAndRemoveThemselvesEvenWithNoParticles)
{
    GameHarness& game = GameHarness::get();
    Stage stage(game);
    game.driver.bDraw = true;
    const struct {
        const char* name;
        std::function<KivBase*(int count)> make;
    } kinds[] = {
        {"smoke",
         [](int count) {
             return new Smoke(0.0f, 0.0f, 0.0f, count, 20.0f, 60.0f, 1.5f, 1.0f, 0.5f, UColor(128, 128, 128, 255));
         }},
        {"firework",
         [](int count) {
             return new Firework(0.0f, 0.0f, 0.0f, count, 50.0f, 100.0f, 0.0f, 6.2831853f, 2.0f,
                                 UColor(255, 255, 128, 255));
         }},
        {"star burst",
         [](int count) { return new StarBurst(0.0f, 0.0f, 0.0f, count, 40.0f, 120.0f, 0.0f, 7.0f, 1.0f); }},
    };
    for (const auto& kind : kinds) {
        for (const int count : {12, 1, 0, -5}) {
            stage.screen->addChildLast(kind.make(count));
            // An effect without particles is over at its first update and
            // gone at the next.
            game.step(2);
            EXPECT_EQ(stage.screen->getChildCount(), count > 0 ? 1 : 0) << kind.name << " of " << count;
            EXPECT_TRUE(game.stepUntil([&] { return stage.screen->getChildCount() == 0; }, 500))
                << kind.name << " of " << count;
        }
    }
    game.driver.bDraw = false;
}

}
}
