// The intro cut-scene in the running game: the program's start shows it and
// then the main menu; its script acts once at each mark, in order, even when
// a frame passes several marks; its doors, clouds and captions come and go
// at their times; it ends by itself after its script, and a key or a click
// skips it.
#include "SceneTestSupport.h"

#include "Apartment.h"
#include "BendQuad.h"
#include "ChamomileIntro.h"
#include "CircleCloud.h"
#include "House.h"
#include "Kiv.h"
#include "KivInput.h"
#include "MemoryImageFile.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "ScreenPixels.h"
#include "SmileyIntro.h"
#include "TgaImage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace scenetest {
namespace {

// The most a frame moves a screen's clock (the engine's default cap).
constexpr double LARGEST_STEP = 0.05;
constexpr double EPSILON = 1e-9;

// Draws one frame, keeps it as a TGA file in the build folder (to look at)
// and returns it.
std::unique_ptr<MemoryImageFile> drawAndKeep(GameHarness& game, const char* name)
{
    game.driver.bDraw = true;
    game.step();
    game.driver.bDraw = false;
    std::unique_ptr<MemoryImageFile> image = grab();
    std::vector<UColor> pixels;
    for (int y = 0; y < image->height; ++y)
        for (int x = 0; x < image->width; ++x)
            pixels.push_back(pixelAt(*image, x, y));
    writeTGA(std::string(KIV_BINARY_DIR) + "/" + name, image->width, image->height, pixels);
    return image;
}

// First in the file: in a process of its own it is the one that starts the game.
TEST(Intro, TheProgramStartsWithItAndShowsTheMainMenuWhenItHasEnded)
{
    GameHarness& game = gameAtStart();
    ContextLogo* intro = game.active<ContextLogo>();
    ASSERT_NE(intro, nullptr) << "the start does not show the intro";
    EXPECT_NE(dynamic_cast<MyContextMain*>(static_cast<KivBase*>(intro->pPrev)), nullptr) << "no menu below it";

    // "Do you know smileys?" in orange in the upper part of the view.
    game.stepSeconds(12.0);
    const std::unique_ptr<MemoryImageFile> scene = drawAndKeep(game, "intro-at-12s.tga");
    int orange = 0;
    for (int y = 90; y < 130; ++y)
        for (int x = 200; x < 440; ++x)
            orange += sameColor(UColor(255, 128, 0, 255), pixelAt(*scene, x, y), 40);
    EXPECT_GT(orange, 100);

    const Reference running(intro);
    ASSERT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }));
    EXPECT_EQ(running.get(), nullptr);
    game.stepSeconds(1.5);
    const std::unique_ptr<MemoryImageFile> menu = drawAndKeep(game, "menu-after-intro.tga");
    const UColor sky = pixelAt(*menu, menu->width / 2, 10);
    EXPECT_GT(sky.b, sky.r) << "the view did not open on the menu's sky";
}

// What a frame of the intro left behind.
struct Sample {
    double t = 0.0;
    // The clock of the frame before.
    double previousT = 0.0;
    int marksRun = 0;
    std::vector<std::string> sounds;
    std::set<std::string> captions;
    int captionCount = 0;
    std::vector<V3> thoughts;
    float door1 = 0.0f;
    float door2 = 0.0f;
    float fadeTarget = 0.0f;
};

// Runs a new intro over the menu to its end with the largest steps, noting
// each frame.
std::vector<Sample> runWholeIntro(GameHarness& game)
{
    game.driver.dt = LARGEST_STEP * 1.5;
    ContextLogo* intro = new ContextLogo();
    const Reference running(intro);
    std::vector<Sample> samples;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](FrameRecord& record) {
        if (!running.get())
            return;
        Sample sample;
        sample.t = intro->t;
        sample.previousT = samples.empty() ? 0.0 : samples.back().t;
        sample.marksRun = intro->marksRun;
        sample.sounds = record.sounds;
        for (BasicLink* link = intro->overlay->pFirstChild; link; link = link->pNext)
            if (const RenderableText* caption = dynamic_cast<RenderableText*>(static_cast<KivBase*>(link))) {
                sample.captions.insert(caption->text);
                ++sample.captionCount;
            }
        for (BasicLink* link = intro->thoughts->pFirstChild; link; link = link->pNext)
            sample.thoughts.push_back(static_cast<Renderable*>(link)->position - intro->hero->position);
        sample.door1 = intro->house1->getApartmentByXY(0, 0)->doorTarget;
        sample.door2 = intro->house2->getApartmentByXY(0, 0)->doorTarget;
        sample.fadeTarget = game.stack()->pFader->targetCoverage;
        samples.push_back(sample);
    };
    show(game, intro);
    EXPECT_TRUE(game.stepUntil([&running] { return !running.get(); }, 3000));
    game.recorder.bRecording = false;
    game.recorder.observer = nullptr;
    return samples;
}

// The frame whose clock passed time.
bool reaches(const Sample& sample, double time)
{
    return sample.previousT < time && time <= sample.t;
}

TEST(Intro, ActsOnceAtEachMarkWithTheLargestStepsAndEndsAfterItsScript)
{
    GameHarness& game = gameAtMenu();
    const std::vector<Sample> samples = runWholeIntro(game);
    ASSERT_FALSE(samples.empty());
    const std::vector<ContextLogo::Mark>& script = ContextLogo::marks();

    // The clock moves by the largest step, every mark runs once in the frame
    // that reaches it, and the screen ends one second after the script.
    for (const Sample& s : samples) {
        int due = 0;
        for (const ContextLogo::Mark& mark : script)
            due += mark.time <= s.t;
        ASSERT_EQ(s.marksRun, due) << "at " << s.t;
        ASSERT_EQ(s.fadeTarget, s.t >= ContextLogo::SCRIPT_END ? 1.0f : 0.0f) << "at " << s.t;
    }
    EXPECT_NEAR(samples.front().t, LARGEST_STEP, EPSILON);
    EXPECT_NEAR(samples.back().t, ContextLogo::SCRIPT_END + 1.0, LARGEST_STEP + EPSILON);
    EXPECT_EQ(samples.back().marksRun, static_cast<int>(script.size()));

    const struct {
        const char* sound;
        std::vector<double> marks;
    } sounds[] = {
        {"voice7", {22.5}},      {"voice8", {25.0}},  {"voice9", {29.0, 53.0}},
        {"doorKnock", {37.0, 61.0}}, {"doorOpen", {40.0, 64.0}}, {"voice11", {49.0}}, {"voice12", {67.0}},
        {"pop", {42.0, 42.25, 42.5, 66.0, 66.25, 66.5}},
    };
    for (const auto& row : sounds) {
        std::vector<const Sample*> heard;
        for (const Sample& s : samples)
            for (const std::string& key : s.sounds)
                if (key == row.sound)
                    heard.push_back(&s);
        ASSERT_EQ(heard.size(), row.marks.size()) << row.sound;
        for (size_t i = 0; i < heard.size(); ++i)
            EXPECT_TRUE(reaches(*heard[i], row.marks[i])) << row.sound << " at " << heard[i]->t;
    }

    // The doors open and shut at their marks.
    for (const Sample& s : samples) {
        EXPECT_EQ(s.door1, s.t >= 40.0 && s.t < 51.0 ? 1.0f : 0.0f) << "at " << s.t;
        EXPECT_EQ(s.door2, s.t >= 64.0 ? 1.0f : 0.0f) << "at " << s.t;
    }

    // Thought clouds rise over the hero one by one (with a picture in the
    // third), a second picture covers the first, all go at 51 s, and the
    // second house's clouds stay to the end.
    const struct {
        double from;
        size_t count;
    } thoughts[] = {{0.0, 0}, {42.0, 1}, {42.25, 2}, {42.5, 4}, {49.0, 5}, {51.0, 0},
                    {66.0, 1}, {66.25, 2}, {66.5, 4}};
    for (const Sample& s : samples) {
        size_t expected = 0;
        for (const auto& row : thoughts)
            if (s.t >= row.from)
                expected = row.count;
        ASSERT_EQ(s.thoughts.size(), expected) << "at " << s.t;
        const V3 offsets[] = {V3(-45, 55, 0), V3(-75, 90, 0), V3(-90, 175, 0), V3(-90, 175, 0), V3(-90, 175, 0)};
        for (size_t i = 0; i < s.thoughts.size(); ++i)
            EXPECT_EQ(s.thoughts[i], offsets[i]) << "at " << s.t;
    }

    // Each caption is made once, at a mark, and is gone before the script
    // ends; the last leaves at 80 s.
    // Per caption: the frame that made it and the last frame that held it.
    std::map<std::string, std::pair<const Sample*, const Sample*>> shown;
    for (const Sample& s : samples) {
        EXPECT_EQ(static_cast<size_t>(s.captionCount), s.captions.size()) << "a caption twice at " << s.t;
        for (const std::string& text : s.captions) {
            auto [it, first] = shown.try_emplace(text, &s, &s);
            if (!first) {
                EXPECT_EQ(it->second.second->t, s.previousT) << text << " came back at " << s.t;
                it->second.second = &s;
            }
        }
    }
    EXPECT_EQ(shown.size(), 22u);
    double lastGone = 0.0;
    for (const auto& [text, frames] : shown) {
        bool atMark = false;
        for (const ContextLogo::Mark& mark : script)
            atMark = atMark || reaches(*frames.first, mark.time);
        EXPECT_TRUE(atMark) << text << " made at " << frames.first->t;
        lastGone = std::max(lastGone, frames.second->t);
    }
    EXPECT_NEAR(lastGone, 80.0, 2 * LARGEST_STEP);

    // The main menu is back, with the pointer near its bottom-right corner.
    EXPECT_TRUE(atMainMenu(game));
    EXPECT_EQ(pKiv->pInput->mouseX, 592.0f);
    EXPECT_EQ(pKiv->pInput->mouseY, 32.0f);
}

// With a frame longer than any gap in the script (the cap raised), every
// mark passed runs in that frame in the script's order.
TEST(Intro, AFrameThatPassesSeveralMarksRunsThemAllInScriptOrder)
{
    GameHarness& game = gameAtMenu();
    const double cap = pKiv->maxFrameDuration;
    pKiv->maxFrameDuration = 60.0;
    game.driver.dt = 0.01;
    ContextLogo* intro = show(game, new ContextLogo());
    SmileyIntro& hero = *intro->hero;

    // 27 s looks left, 29 s looks right: the look starts from the first one.
    game.driver.dt = 30.0 - intro->t;
    game.step();
    EXPECT_NEAR(hero.lookFrom.x, -1.5f, 1e-5f);
    EXPECT_NEAR(hero.lookTo.x, 1.5f, 1e-5f);

    // 42, 42.25, 42.5 and 49 s: three clouds growing upwards, then the two
    // pictures, the second over the first.
    game.driver.dt = 41.9 - intro->t;
    game.step();
    ASSERT_EQ(intro->thoughts->getChildCount(), 0);
    game.driver.dt = 50.0 - intro->t;
    game.step();
    std::vector<float> heights;
    std::vector<const Skin*> pictures;
    for (BasicLink* link = intro->thoughts->pFirstChild; link; link = link->pNext) {
        const Renderable* thought = static_cast<Renderable*>(link);
        if (dynamic_cast<const CircleCloud*>(thought))
            heights.push_back(thought->position.y - hero.position.y);
        else
            pictures.push_back(thought->pSkin);
    }
    EXPECT_EQ(heights, (std::vector<float>{55.0f, 90.0f, 175.0f}));
    ResourceManager& resources = *pKiv->pResourceManager;
    EXPECT_EQ(pictures, (std::vector<const Skin*>{resources.findAs<Skin>("intro1:6"), resources.findAs<Skin>("intro1:7")}));
    EXPECT_EQ(intro->marksRun, 17);

    pKiv->maxFrameDuration = cap;
    pressKey(KEY_ESCAPE);
    EXPECT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }, 10));
}

// The hero leans towards the flower while it sniffs, the flower is held
// bent while the butterfly leaves, and the hero straightens up.
TEST(Intro, TheHeroLeansAndTheFlowerBendsAsTheButterflyTakesOff)
{
    GameHarness& game = gameAtMenu();
    ContextLogo* intro = show(game, new ContextLogo());
    enum Flower { UPRIGHT, BENT, SWINGING };
    const struct {
        double t;
        float lean;
        Flower flower;
    } rows[] = {{21.9, 0.0f, UPRIGHT}, {22.25, -0.05f, UPRIGHT}, {22.49, -0.1f, UPRIGHT},
                {24.9, -0.1f, BENT},   {25.25, -0.05f, SWINGING}, {25.6, 0.0f, SWINGING}};
    for (const auto& row : rows) {
        game.stepSeconds(row.t - intro->t);
        EXPECT_NEAR(intro->hero->rotation.z, row.lean, 0.004f) << "at " << intro->t;
        // Pushed to the left the flower bends (a positive bend); let go, it
        // swings back.
        const float bend = intro->flower->bendQuad->bendAngle;
        if (row.flower == UPRIGHT)
            EXPECT_EQ(bend, 0.0f) << "at " << intro->t;
        else if (row.flower == BENT)
            EXPECT_GT(bend, 0.5f) << "at " << intro->t;
        else
            EXPECT_LT(bend, 0.5f) << "at " << intro->t;
    }
    pressKey(KEY_ESCAPE);
    EXPECT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }, 10));
}

// A key of the close bindings, Escape or a mouse press skips the intro at
// once: the menu is back with the pointer near its bottom-right corner.
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
        pKiv->pInput->mouseX = pKiv->pInput->mouseY = 0.0f;
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
