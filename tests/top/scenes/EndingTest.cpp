// The ending scene shown over the main menu with no game running, stepped
// with a fixed dt: nothing happens for 7 s, then the menu music starts once
// and fireworks and hopping smileys come and go without piling up; the lines
// scroll up and fade in and out at the edges of the view; OK or Escape
// closes it, with its background.
#include "SceneTestSupport.h"

#include "ContextEnding.h"
#include "Firework.h"
#include "Kiv.h"
#include "KivAudio.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "SmileyEnding.h"
#include "SoundStream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace scenetest {
namespace {

TEST(Ending, ThePartyStartsAtSevenSecondsOnceAndStaysBoundedForAMinute)
{
    GameHarness& game = gameAtMenu();
    ASSERT_EQ(game.currentGame(), nullptr);
    pKiv->pAudio->setMusic(pKiv->pResourceManager->findAs<SoundStream>("musicGame1"));
    ContextEnding* ending = show(game, new ContextEnding());

    // New smileys and fireworks are appended last to their layers.
    const KivBase* newestSmiley = nullptr;
    const KivBase* newestFirework = nullptr;
    std::string music = "musicGame1";
    int smileysMade = 0, bangs = 0, switches = 0, mostSmileys = 0, mostFireworks = 0;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord& record) {
        const SmileyEnding* smiley = static_cast<SmileyEnding*>(static_cast<KivBase*>(ending->smileyLayer->pLastChild));
        if (smiley && smiley != newestSmiley) {
            ++smileysMade;
            EXPECT_FALSE(smiley->selectable);
            EXPECT_EQ(smiley->value, 125) << "not the first neighbourhood's points";
        }
        newestSmiley = smiley;
        int fireworks = 0;
        for (BasicLink* link = ending->pFirstChild; link; link = link->pNext)
            fireworks += dynamic_cast<Firework*>(static_cast<KivBase*>(link)) != nullptr;
        const Firework* firework = dynamic_cast<Firework*>(static_cast<KivBase*>(ending->pLastChild));
        if (firework && firework != newestFirework) {
            EXPECT_GE(firework->particleCount, 20);
            EXPECT_LE(firework->particleCount, 39);
        }
        newestFirework = firework;
        const bool bang = std::find(record.sounds.begin(), record.sounds.end(), "firework") != record.sounds.end();
        if (ending->t < ContextEnding::PARTY_START) {
            EXPECT_EQ(smileysMade + fireworks + bang, 0) << "at " << ending->t;
        }
        if (record.music != music) {
            ++switches;
            EXPECT_EQ(record.music, "musicMenu");
            EXPECT_LT(ending->t - ending->dt, ContextEnding::PARTY_START);
            music = record.music;
        }
        bangs += bang;
        mostSmileys = std::max(mostSmileys, ending->smileyLayer->getChildCount());
        mostFireworks = std::max(mostFireworks, fireworks);
    };
    game.stepSeconds(60.0);
    game.recorder = FrameRecorder();
    EXPECT_EQ(switches, 1);
    // One smiley every 0.25 to 2 s, each gone 8 s at most after it starts;
    // one firework every 0.1 to 1 s, each burnt out in little more than 1 s.
    EXPECT_GE(smileysMade, 20);
    EXPECT_LE(mostSmileys, 33);
    EXPECT_GE(bangs, 40);
    EXPECT_LE(mostFireworks, 13);

    ending->bFinished = true;
    game.step(2);
    EXPECT_TRUE(atMainMenu(game));
}

// With the 640 x 480 view: the block starts 300 units below the bottom edge,
// rising 30 units per second; a line fades in from 32 to 160 units above the
// bottom edge, out over the last 128 units below the top, and goes once 64
// units above it.
TEST(Ending, TheLinesScrollUpAndFadeInAndOutAtTheEdgesOfTheView)
{
    GameHarness& game = gameAtMenu();
    ContextEnding* ending = show(game, new ContextEnding());
    RenderableText* first = static_cast<RenderableText*>(static_cast<KivBase*>(ending->textLayer->pFirstChild));
    EXPECT_EQ(first->text, "congratulations!");
    EXPECT_NEAR(first->position.y, -540.0f + 30.0f * static_cast<float>(ending->t), 0.01f);

    const struct {
        float y;
        int alpha;
    } rows[] = {{-240.0f, 0}, {-208.0f, 0}, {-144.0f, 127}, {-80.0f, 255},
                {0.0f, 255},  {112.0f, 255}, {176.0f, 127}, {240.0f, 0}};
    for (const auto& row : rows) {
        ASSERT_TRUE(game.stepUntil([&] { return first->position.y >= row.y; }));
        EXPECT_NEAR(first->color.a, row.alpha, 3) << "at y " << first->position.y;
    }
    const Reference line(first);
    float lastY = 0.0f;
    while (line.get()) {
        lastY = first->position.y;
        game.step();
    }
    EXPECT_GT(lastY, 304.0f);
    EXPECT_LT(lastY, 304.0f + 30.0f * static_cast<float>(game.driver.dt) + 0.01f);
    EXPECT_NEAR(ending->t, (304.0 + 540.0) / 30.0, 2 * game.driver.dt);

    ending->bFinished = true;
    game.step(2);
}

TEST(Ending, OkOrEscapeClosesItAndItsBackground)
{
    const struct {
        const char* name;
        std::function<void(ContextEnding*)> act;
    } rows[] = {
        {"OK", [](ContextEnding* ending) { clickOn(ending->okButton); }},
        {"Escape", [](ContextEnding*) { pressKey(KEY_ESCAPE); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameHarness& game = gameAtMenu();
        ContextEnding* ending = show(game, new ContextEnding());
        const Reference shown(ending);
        const Reference background(ending->pBackgroundContext);
        game.stepSeconds(8.0);
        row.act(ending);
        game.step(2);
        EXPECT_EQ(shown.get(), nullptr);
        EXPECT_EQ(background.get(), nullptr);
        EXPECT_TRUE(atMainMenu(game));
    }
}

} // namespace
} // namespace scenetest
