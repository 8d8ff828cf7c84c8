// The intro cut-scene in the running game: the program's start shows it and
// then the main menu; its script acts once at each mark, in order, even when
// a frame passes several marks; it ends by itself, and a key or a click
// skips it.
#include "SceneTestSupport.h"

#include "CircleCloud.h"
#include "ScreenPixels.h"
#include "Skin.h"
#include "SmileyIntro.h"

namespace scenetest {
namespace {

// The most a frame moves a screen's clock (the engine's default cap).
constexpr double LARGEST_STEP = 0.05;

// Draws one frame and grabs it.
std::unique_ptr<MemoryImageFile> draw(GameHarness& game)
{
    game.driver.bDraw = true;
    game.step();
    game.driver.bDraw = false;
    return grab();
}

// First in the file: in a process of its own it is the one that starts the game.
TEST(Intro, TheProgramStartsWithItAndShowsTheMainMenuWhenItHasEnded)
{
    GameHarness& game = gameAtStart();
    const Reference intro(game.active<ContextLogo>());
    ASSERT_NE(intro.get(), nullptr) << "the start does not show the intro";
    EXPECT_NE(dynamic_cast<MyContextMain*>(static_cast<KivBase*>(intro.get()->pPrev)), nullptr);

    // "Do you know smileys?" in orange in the upper part of the view.
    game.stepSeconds(12.0);
    const std::unique_ptr<MemoryImageFile> scene = draw(game);
    int orange = 0;
    for (int y = 90; y < 130; ++y)
        for (int x = 200; x < 440; ++x)
            orange += sameColor(UColor(255, 128, 0, 255), pixelAt(*scene, x, y), 40);
    EXPECT_GT(orange, 100);

    ASSERT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }));
    EXPECT_EQ(intro.get(), nullptr);
    game.stepSeconds(1.5);
    const std::unique_ptr<MemoryImageFile> menu = draw(game);
    const UColor sky = pixelAt(*menu, menu->width / 2, 10);
    EXPECT_GT(sky.b, sky.r) << "the view did not open on the menu's sky";
}

// What a frame of the intro left behind.
struct Sample {
    double t;
    double previousT;
    int marksRun;
    float fadeTarget;
};

TEST(Intro, ActsOnceAtEachMarkWithTheLargestStepsAndEndsAfterItsScript)
{
    GameHarness& game = gameAtMenu();
    game.driver.dt = LARGEST_STEP * 1.5;
    ContextLogo* intro = new ContextLogo();
    const Reference running(intro);
    std::vector<Sample> samples;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord&) {
        if (running.get())
            samples.push_back({intro->t, samples.empty() ? 0.0 : samples.back().t, intro->marksRun,
                               game.stack()->pFader->targetCoverage});
    };
    show(game, intro);
    EXPECT_TRUE(game.stepUntil([&running] { return !running.get(); }, 3000));
    game.recorder = FrameRecorder();
    ASSERT_FALSE(samples.empty());

    // Each frame moves the clock by the largest step and runs every mark it
    // passes; the view closes after the script and the screen ends 1 s later
    // with the main menu back and the pointer near its bottom-right corner.
    const std::vector<ContextLogo::Mark>& script = ContextLogo::marks();
    for (const Sample& s : samples) {
        int due = 0;
        for (const ContextLogo::Mark& mark : script)
            due += mark.time <= s.t;
        ASSERT_EQ(s.marksRun, due) << "at " << s.t;
        ASSERT_NEAR(s.t - s.previousT, LARGEST_STEP, 1e-9);
        ASSERT_EQ(s.fadeTarget, s.t >= ContextLogo::SCRIPT_END ? 1.0f : 0.0f) << "at " << s.t;
    }
    EXPECT_NEAR(samples.back().t, ContextLogo::SCRIPT_END + 1.0, LARGEST_STEP + 1e-9);
    EXPECT_TRUE(atMainMenu(game));
    EXPECT_EQ(pKiv->pInput->mouseX, 592.0f);
    EXPECT_EQ(pKiv->pInput->mouseY, 32.0f);
}

// With a frame longer than any gap in the script (the cap raised), every
// mark passed runs in that frame, in the script's order.
TEST(Intro, AFrameThatPassesSeveralMarksRunsThemAllInScriptOrder)
{
    GameHarness& game = gameAtMenu();
    const double cap = pKiv->maxFrameDuration;
    pKiv->maxFrameDuration = 60.0;
    ContextLogo* intro = show(game, new ContextLogo());
    auto stepTo = [&](double t) {
        game.driver.dt = t - intro->t;
        game.step();
    };

    // 42, 42.25, 42.5 and 49 s: three clouds growing upwards, then the two
    // pictures, the second over the first.
    stepTo(41.9);
    stepTo(50.0);
    std::vector<float> clouds;
    std::vector<const Skin*> pictures;
    for (BasicLink* link = intro->thoughts->pFirstChild; link; link = link->pNext) {
        const Renderable* thought = static_cast<Renderable*>(link);
        if (dynamic_cast<const CircleCloud*>(thought))
            clouds.push_back(thought->position.y - intro->hero->position.y);
        else
            pictures.push_back(thought->pSkin);
    }
    ASSERT_EQ(clouds.size(), 3u);
    EXPECT_TRUE(clouds[0] < clouds[1] && clouds[1] < clouds[2]);
    const ResourceManager& resources = *pKiv->pResourceManager;
    const std::vector<const Skin*> thought{resources.findAs<Skin>("intro1:6"), resources.findAs<Skin>("intro1:7")};
    EXPECT_EQ(pictures, thought);

    pKiv->maxFrameDuration = cap;
    pressKey(KEY_ESCAPE);
    EXPECT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }, 10));
}

// Either key of the close binding, Escape or a mouse press skips the intro
// at once: the menu is back with the pointer near its bottom-right corner.
TEST(Intro, AKeyOrAClickSkipsIt)
{
    const struct {
        const char* name;
        std::function<void()> act;
    } rows[] = {
        {"Escape", [] { pressKey(KEY_ESCAPE); }},
        {"Space", [] { pressKey(KEY_SPACE); }},
        {"Left Shift", [] { pressKey(KivInput::scanCodeFromSDLKey(SDLK_LSHIFT)); }},
        {"a click", [] { clickAt(0.0f, 0.0f, pGlobal->pContextManager->getActiveContext()); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        GameHarness& game = gameAtMenu();
        const Reference intro(show(game, new ContextLogo()));
        game.stepSeconds(0.5);
        row.act();
        // The press ends it; the next frame takes it off the stack.
        game.step(2);
        EXPECT_EQ(intro.get(), nullptr);
        EXPECT_TRUE(atMainMenu(game));
        EXPECT_EQ(pKiv->pInput->mouseX, 592.0f);
        EXPECT_EQ(pKiv->pInput->mouseY, 32.0f);
    }
}

} // namespace
} // namespace scenetest
