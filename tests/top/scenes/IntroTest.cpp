// The intro cut-scene in the running game: the program's start shows it and
// then the main menu; its script acts once at each mark, in order, even when
// a frame passes several marks; its sounds, doors, clouds and captions come
// and go at their times; it ends by itself, and a key or a click skips it.
#include "SceneTestSupport.h"

#include "Apartment.h"
#include "CircleCloud.h"
#include "House.h"
#include "Kiv.h"
#include "KivInput.h"
#include "MemoryImageFile.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "ScreenPixels.h"
#include "Skin.h"
#include "SmileyIntro.h"
#include "TgaImage.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace scenetest {
namespace {

// The most a frame moves a screen's clock (the engine's default cap).
constexpr double LARGEST_STEP = 0.05;

// Draws one frame and keeps it in the build folder, to be looked at.
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
    const Reference intro(game.active<ContextLogo>());
    ASSERT_NE(intro.get(), nullptr) << "the start does not show the intro";
    EXPECT_NE(dynamic_cast<MyContextMain*>(static_cast<KivBase*>(intro.get()->pPrev)), nullptr);

    // "Do you know smileys?" in orange in the upper part of the view.
    game.stepSeconds(12.0);
    const std::unique_ptr<MemoryImageFile> scene = drawAndKeep(game, "intro-at-12s.tga");
    int orange = 0;
    for (int y = 90; y < 130; ++y)
        for (int x = 200; x < 440; ++x)
            orange += sameColor(UColor(255, 128, 0, 255), pixelAt(*scene, x, y), 40);
    EXPECT_GT(orange, 100);

    ASSERT_TRUE(game.stepUntil([&game] { return atMainMenu(game); }));
    EXPECT_EQ(intro.get(), nullptr);
    game.stepSeconds(1.5);
    const std::unique_ptr<MemoryImageFile> menu = drawAndKeep(game, "menu-after-intro.tga");
    const UColor sky = pixelAt(*menu, menu->width / 2, 10);
    EXPECT_GT(sky.b, sky.r) << "the view did not open on the menu's sky";
}

// What a frame of the intro left behind.
struct Sample {
    double t;
    double previousT;
    int marksRun;
    std::vector<std::string> sounds;
    int captions;
    size_t thoughts;
    float door1;
    float door2;
    float fadeTarget;
};

// The frame whose clock passed time.
bool reaches(const Sample& sample, double time)
{
    return sample.previousT < time && time <= sample.t;
}

TEST(Intro, ActsOnceAtEachMarkWithTheLargestStepsAndEndsAfterItsScript)
{
    GameHarness& game = gameAtMenu();
    game.driver.dt = LARGEST_STEP * 1.5;
    ContextLogo* intro = new ContextLogo();
    const Reference running(intro);
    std::vector<Sample> samples;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](FrameRecord& record) {
        if (running.get())
            samples.push_back({intro->t, samples.empty() ? 0.0 : samples.back().t, intro->marksRun, record.sounds,
                               intro->overlay->getChildCount(), static_cast<size_t>(intro->thoughts->getChildCount()),
                               intro->house1->getApartmentByXY(0, 0)->doorTarget,
                               intro->house2->getApartmentByXY(0, 0)->doorTarget,
                               game.stack()->pFader->targetCoverage});
    };
    show(game, intro);
    EXPECT_TRUE(game.stepUntil([&running] { return !running.get(); }, 3000));
    game.recorder.bRecording = false;
    game.recorder.observer = nullptr;
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

    const struct {
        const char* sound;
        std::vector<double> marks;
    } sounds[] = {
        {"voice7", {22.5}}, {"voice8", {25.0}}, {"voice9", {29.0, 53.0}}, {"doorKnock", {37.0, 61.0}},
        {"doorOpen", {40.0, 64.0}}, {"voice11", {49.0}}, {"voice12", {67.0}},
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

    // The doors at their marks; thought clouds rise one by one, with a
    // picture in the third and a second one over it, all go at 51 s, and
    // those over the second house stay.
    const struct {
        double from;
        size_t thoughts;
        float door1;
        float door2;
    } timeline[] = {{0.0, 0, 0, 0},  {40.0, 0, 1, 0},   {42.0, 1, 1, 0},   {42.25, 2, 1, 0},
                    {42.5, 4, 1, 0}, {49.0, 5, 1, 0},   {51.0, 0, 0, 0},   {64.0, 0, 0, 1},
                    {66.0, 1, 0, 1}, {66.25, 2, 0, 1}, {66.5, 4, 0, 1}};
    for (const Sample& s : samples) {
        const auto* row = &timeline[0];
        for (const auto& later : timeline)
            if (s.t >= later.from)
                row = &later;
        ASSERT_EQ(s.thoughts, row->thoughts) << "at " << s.t;
        ASSERT_EQ(s.door1, row->door1) << "at " << s.t;
        ASSERT_EQ(s.door2, row->door2) << "at " << s.t;
    }

    // Captions come only with a mark; the last is gone at 80 s.
    double lastCaption = 0.0;
    for (size_t i = 1; i < samples.size(); ++i) {
        if (samples[i].captions > samples[i - 1].captions) {
            EXPECT_GT(samples[i].marksRun, samples[i - 1].marksRun) << "at " << samples[i].t;
        }
        if (samples[i].captions > 0)
            lastCaption = samples[i].t;
    }
    EXPECT_NEAR(lastCaption, 80.0, 2 * LARGEST_STEP);

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
    EXPECT_EQ(clouds, (std::vector<float>{55.0f, 90.0f, 175.0f}));
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
