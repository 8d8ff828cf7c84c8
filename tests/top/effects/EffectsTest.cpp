// The game's effects in the running game: bursts that end by themselves,
// bonus popups that pay once, the alarm clock's dial and the statistics
// lines' count. Driven frame by frame with the harness's fixed dt on a bare
// screen pushed over the real stack, or ticked by the test.
#include "GameHarness.h"

#include "AlarmClock.h"
#include "CircleScore.h"
#include "EndLevelStat.h"
#include "Firework.h"
#include "GameController.h"
#include "Kiv.h"
#include "MyGlobal.h"
#include "PlayerData.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Smoke.h"
#include "StarBurst.h"
#include "Texture.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace effectstest {
namespace {

using namespace testsupport;

constexpr int HIGH = 1;
constexpr int LOW = 0;

TEST(Effects, BurstsPlayOutAndRemoveThemselvesEvenWithNoParticles)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
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
            stage->addChildLast(kind.make(count));
            // An effect without particles is over at its first update and
            // gone at the next.
            game.step(2);
            EXPECT_EQ(stage->getChildCount(), count > 0 ? 1 : 0) << kind.name << " of " << count;
            EXPECT_TRUE(game.stepUntil([&] { return stage->getChildCount() == 0; }, 500)) << kind.name << count;
        }
    }
    game.driver.bDraw = false;
    stage->bFinished = true;
}

TEST(Effects, ABonusPopupPaysItsPointsOnceOnReachingItsAwardState)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
    const int detail = pGlobal->hst.detail;
    GameController controller;
    getMyGlobal()->pCurrentGame = &controller;
    PlayerData& player = *controller.playerData;
    const struct {
        int detail;
        int difficulty;
        int multiplier;
        float delay;
        // Seconds after which the test deletes the popup; 0: it is left to end.
        double deletedAfter;
        int expected;
    } rows[] = {
        {HIGH, 0, 1, 0.0f, 0.0, 100},
        {HIGH, 2, 1, 0.25f, 0.0, 300},
        {LOW, 1, 1, 0.0f, 0.0, 200},
        {LOW, 0, 3, 0.5f, 0.0, 300},
        {HIGH, 0, 1, 0.25f, 0.5, 0},
        {LOW, 3, 1, 0.5f, 0.3, 0},
    };
    game.recorder.bRecording = true;
    for (const auto& row : rows) {
        pGlobal->hst.detail = row.detail;
        controller.difficulty = row.difficulty;
        player.score = 0;
        player.setMultiplier(row.multiplier, 999.0);
        game.recorder.frames.clear();
        CircleScore* popup = new CircleScore(100, row.delay);
        popup->addStar(UColor(255, 255, 0, 255), 1.0f);
        popup->addCircularText("bonus!", UColor(255, 0, 0, 255), 40.0f, 1.5707963f, 1);
        stage->addChildLast(popup);
        int frames = 0;
        while (stage->getChildCount() > 0 && frames < 1000) {
            if (row.deletedAfter > 0.0 && frames * game.driver.dt >= row.deletedAfter)
                delete popup;
            else
                EXPECT_EQ(player.score, popup->state >= 2 ? row.expected : 0) << "frame " << frames;
            game.step();
            ++frames;
        }
        EXPECT_EQ(stage->getChildCount(), 0) << "the popup did not end";
        EXPECT_EQ(player.score, row.expected) << "detail " << row.detail << ", difficulty " << row.difficulty;
        EXPECT_EQ(game.recorder.timesStarted("jingle03"), row.expected > 0 ? 1 : 0);
    }
    game.recorder.bRecording = false;
    getMyGlobal()->pCurrentGame = nullptr;
    pGlobal->hst.detail = detail;
    stage->bFinished = true;
}

TEST(Effects, AnAlarmClockShowsItsLastDialFrameOnceItsTimeIsUpOrWhenItHadNone)
{
    GameHarness::get();
    Texture* dial = pKiv->pResourceManager->findAs<Texture>("alarmClock");
    Skin* const first = dial->skins.front();
    Skin* const last = dial->skins.back();
    // A composite skin joined to the list afterwards is not a dial frame.
    Skin composite;
    dial->skins.push_back(&composite);
    const struct {
        float seconds;
        double run;
        Skin* expected;
    } rows[] = {
        {0.0f, 0.01, last}, {-3.0f, 0.01, last}, {5.0f, 0.01, first}, {5.0f, 5.5, last}, {0.5f, 4.0, last},
    };
    constexpr double DT = 0.01;
    for (const auto& row : rows) {
        AlarmClock clock;
        clock.start(row.seconds);
        for (double t = 0.0; t < row.run - DT / 2; t += DT)
            clock.tick(t, DT);
        EXPECT_EQ(clock.pSkin, row.expected) << row.seconds << " s, after " << row.run << " s";
    }
    dial->skins.pop_back();
}

TEST(Effects, AStatisticsLineCountsFromZeroToItsValueInItsFormat)
{
    GameHarness::get();
    const struct {
        int value;
        const char* format;
        const char* final;
    } rows[] = {
        {1234, "%d", "1234"}, {95, "%d sec", "95 sec"}, {0, "%d%%", "0%"}, {-7, "%d", "-7"},
    };
    constexpr double DT = 0.01;
    for (const auto& row : rows) {
        EndLevelStat line(2, "Matches", row.value);
        line.format = row.format;
        std::string before, during;
        for (int step = 1; step <= 200; ++step) {
            line.tick(step * DT, DT);
            if (step == 50)
                before = line.valueText->text;
            if (step == 125)
                during = line.valueText->text;
        }
        EXPECT_EQ(before, "0") << row.format;
        EXPECT_EQ(line.valueText->text, row.final);
        if (row.value > 0) {
            const int shown = std::stoi(during);
            EXPECT_GT(shown, 0) << row.final;
            EXPECT_LT(shown, row.value) << row.final;
        }
        EXPECT_EQ(line.labelText->text, "Matches");
    }
}

}
}
