// The cut-scenes in the running game. The intro: the program's start shows
// it and then the main menu; its script acts once at each mark, in order,
// even when a frame passes several marks; it ends by itself or at a click,
// with the pointer near the menu's bottom-right corner; its field flowers
// stand where their fixed seed puts them. Its actors on a bare screen over
// the menu: a smiley's hop, the butterfly's flight and the flower's bend,
// and the blinks and wing beats over their whole intervals. The ending,
// shown over the main menu with no game running: its lines scroll up and
// fade in and out, its party starts at 7 s, stays bounded, draws its
// fireworks and smileys over their whole intervals, and OK closes it with
// its background. The harness starts so that the intro of the program's
// start plays (the start test looks at it; every other test first lets the
// menu come up by skipping it); screens of the tests' own (the ending, the
// journey map with its markers and arrow) are pushed over the main menu
// and made active. Main thread only.
#include "DrawnRange.h"
#include "GameHarness.h"

#include "BendQuad.h"
#include "ContextDialog.h"
#include "MenuButtonQuit.h"
#include "MenuGroup.h"
#include "ScreenPixels.h"
#include "Skin.h"
#include "Texture.h"
#include "board/Feature.h"
#include "effects/CircleCloud.h"
#include "effects/Firework.h"
#include "effects/ArrowMessage.h"
#include "effects/Chamomile.h"
#include "game/ContextMap.h"
#include "scenes/Butterfly.h"
#include "scenes/ChamomileIntro.h"
#include "scenes/ContextEnding.h"
#include "scenes/SmileyEnding.h"
#include "scenes/SmileyIntro.h"

namespace {

using namespace testsupport;

// The running game with its main menu active, the start's intro skipped if
// it still plays; the fixed step and the recorder back at their defaults.
GameHarness& gameAtMenu()
{
    GameHarness& game = GameHarness::get(SteppedHost::DEFAULT_DT, true);
    game.stepped.dt = SteppedHost::DEFAULT_DT;
    game.recorder = FrameRecorder();
    EXPECT_TRUE(game.skipToMenu()) << "no main menu";
    return game;
}

// The most a frame moves a screen's clock (the engine's default cap).
constexpr double LARGEST_STEP = 0.05;

// Draws one frame and grabs it.
std::unique_ptr<MemoryImageFile> draw(GameHarness& game)
{
    game.stepped.bDraw = true;
    game.step();
    game.stepped.bDraw = false;
    return grab();
}

// The intro has left, the main menu is back and the pointer near its
// bottom-right corner.
void expectBackAtTheMenu(const GameHarness& game)
{
    EXPECT_NE(game.mainMenu(), nullptr);
    EXPECT_EQ(pKiv->pInput->mouseX, 592.0f);
    EXPECT_EQ(pKiv->pInput->mouseY, 32.0f);
}

// First in the file: in a process of its own it is the one that starts the
// game, at the first frame of its intro. "Do you know smileys?" shows in
// orange in the upper part of the view.
TEST(Intro, TheProgramStartsWithItAndShowsTheMainMenuWhenItHasEnded)
{
    GameHarness& game = GameHarness::get(SteppedHost::DEFAULT_DT, true);
    const Reference intro(game.active<ContextLogo>());
    ASSERT_NE(intro.get(), nullptr) << "the start does not show the intro";
    game.stepSeconds(12.0);
    const std::unique_ptr<MemoryImageFile> scene = draw(game);
    int orange = 0;
    for (int y = 90; y < 130; ++y)
        for (int x = 200; x < 440; ++x)
            orange += sameColor(UColor(255, 128, 0, 255), pixelAt(*scene, x, y), 40);
    EXPECT_GT(orange, 100);
    ASSERT_TRUE(game.stepUntil([&game] { return game.mainMenu() != nullptr; }));
    EXPECT_EQ(intro.get(), nullptr);
    game.stepSeconds(1.5);
    const UColor sky = pixelAt(*draw(game), 320, 10);
    EXPECT_GT(sky.b, sky.r) << "the view did not open on the menu's sky";
}

// Each frame moves the clock by the largest step and runs every mark it
// passes; the view closes after the script and the screen ends 1 s later.
TEST(Intro, ActsOnceAtEachMarkWithTheLargestStepsAndEndsAfterItsScript)
{
    GameHarness& game = gameAtMenu();
    game.stepped.dt = LARGEST_STEP * 1.5;
    ContextLogo* intro = new ContextLogo(StandardRandom::shared());
    const Reference running(intro);
    double t = 0.0;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord&) {
        if (!running.get())
            return;
        int due = 0;
        for (const ContextLogo::Mark& mark : ContextLogo::marks())
            due += mark.time <= intro->t;
        EXPECT_EQ(intro->marksRun, due) << "at " << intro->t;
        EXPECT_NEAR(intro->t - t, LARGEST_STEP, 1e-9);
        EXPECT_EQ(game.stack()->pFader->targetCoverage, intro->t >= ContextLogo::SCRIPT_END ? 1.0f : 0.0f);
        t = intro->t;
    };
    game.show(intro);
    EXPECT_TRUE(game.stepUntil([&running] { return !running.get(); }, 3000));
    game.recorder = FrameRecorder();
    EXPECT_NEAR(t, ContextLogo::SCRIPT_END + 1.0, LARGEST_STEP + 1e-9);
    expectBackAtTheMenu(game);
}

// The intro ends with the pointer on the menu's "Website" button, which
// ends the program: the second press of a double click that skipped the
// intro only asks, saying that the game will close, in a frame that fits
// the view, and the answer "No" leaves the main menu on top.
TEST(Intro, ADoubleClickThatSkipsItLeavesTheProgramOnTheMainMenu)
{
    GameHarness& game = gameAtMenu();
    const Reference intro(game.show(new ContextLogo(StandardRandom::shared())));
    game.stepSeconds(0.5);
    // Presses 0.15 s apart, well within a double click.
    for (int press = 0; press < 2; ++press) {
        leftButton(true);
        leftButton(false);
        game.stepSeconds(0.15);
    }
    EXPECT_EQ(intro.get(), nullptr);
    EXPECT_FALSE(game.stack()->bQuit);
    EXPECT_TRUE(pGlobal->urlToOpenOnExit.empty());
    const ContextDialog* question = game.active<ContextDialog>();
    ASSERT_NE(question, nullptr) << "the second press did not reach the website button";
    EXPECT_NE(question->message.find("Visit official website (the game will close)"), std::string::npos);
    const MenuGroup* frame = dynamic_cast<const MenuGroup*>(static_cast<const KivBase*>(question->pFirstChild));
    ASSERT_NE(frame, nullptr);
    EXPECT_LE(frame->pSkin->width, static_cast<float>(pKiv->pGraphics->fovWidth));
    clickOn(question->pSecondButton);
    game.step(2);
    EXPECT_NE(game.mainMenu(), nullptr);
    EXPECT_FALSE(game.stack()->bQuit);
}

// With a frame longer than any gap in the script (the cap raised), every
// mark passed runs in that frame, in the script's order: at 42, 42.25, 42.5
// and 49 s three clouds growing upwards, then the two pictures, the second
// over the first.
TEST(Intro, AFrameThatPassesSeveralMarksRunsThemAllInScriptOrder)
{
    GameHarness& game = gameAtMenu();
    const double cap = pKiv->maxFrameDuration;
    pKiv->maxFrameDuration = 60.0;
    ContextLogo* intro = game.show(new ContextLogo(StandardRandom::shared()));
    for (const double t : {41.9, 50.0}) {
        game.stepped.dt = t - intro->t;
        game.step();
    }
    pKiv->maxFrameDuration = cap;
    std::vector<float> clouds;
    std::vector<const Skin*> pictures;
    for (const Renderable* thought : childrenOf<Renderable>(intro->thoughts))
        if (dynamic_cast<const CircleCloud*>(thought))
            clouds.push_back(thought->position.y);
        else
            pictures.push_back(thought->pSkin);
    ASSERT_EQ(clouds.size(), 3u);
    EXPECT_TRUE(clouds[0] < clouds[1] && clouds[1] < clouds[2]);
    EXPECT_EQ(pictures, (std::vector<const Skin*>{pKiv->pResourceManager->findAs<Skin>("intro1:6"),
                                                  pKiv->pResourceManager->findAs<Skin>("intro1:7")}));
    pressKey(KEY_ESCAPE);
    game.step(2);
    expectBackAtTheMenu(game);
}

// The eight field flowers follow the C library's sequence for seed 2, four
// fractions each: the flower's own length, then x (-320 to 600 for the
// first three, 800 to 1920 for the others), the scale (0.6 to 1) and the
// lean (an eighth of a turn either side of upright).
TEST(Intro, TheFieldFlowersStandWhereTheirSeedPutsThem)
{
    GameHarness& game = gameAtMenu();
    ContextLogo* intro = game.show(new ContextLogo(StandardRandom::shared()));
    const std::vector<Chamomile*> flowers = childrenOf<Chamomile>(intro);
    ASSERT_EQ(flowers.size(), 8u);
    std::srand(2);
    const auto r = [] { return (std::rand() & 0xFFFF) / 65536.0; };
    for (size_t i = 0; i < flowers.size(); ++i) {
        r();
        const double x = i < 3 ? r() * 920.0 - 320.0 : r() * 1120.0 + 800.0;
        const double scale = r() * 0.4 + 0.6;
        const double lean = r() * 0.7853982 - 0.3926991;
        EXPECT_NEAR(flowers[i]->position.x, x, 1e-3) << "flower " << i;
        EXPECT_NEAR(flowers[i]->scale.x, scale, 1e-6) << "flower " << i;
        EXPECT_NEAR(flowers[i]->rotation.z, lean + 1.5707963, 1e-6) << "flower " << i;
    }
    pressKey(KEY_ESCAPE);
    game.step(2);
    expectBackAtTheMenu(game);
}

// Under a gravity of 1024, a hop at (200, 400) is up for 400/1024 s and as
// long down: 0.78 s and 156 units, each landing with a voice and rising
// again as high (78); squashed as it takes off with a voice of its own.
TEST(IntroActors, AHopLandsWhereAndWhenGravitySaysAndBouncesAsHighAgain)
{
    GameHarness& game = gameAtMenu();
    SmileyIntro* smiley = new SmileyIntro();
    game.pushStage()->addChildLast(smiley);
    const Sound* takeOff = pKiv->pResourceManager->findAs<Sound>("voice9");
    const double before = takeOff->lastStartTime;
    smiley->hop(200.0f, 400.0f, 0.0f);
    EXPECT_GT(takeOff->lastStartTime, before);
    game.recordAfresh();
    int landings = 0;
    float peak = 0.0f;
    const int start = game.stepped.frames;
    game.recorder.observer = [&](const FrameRecord& record) {
        peak = std::max(peak, smiley->position.y);
        if (std::find(record.sounds.begin(), record.sounds.end(), "voice10") == record.sounds.end())
            return;
        ++landings;
        EXPECT_NEAR(game.stepped.dt * (record.frame - start), 0.78 * landings, 0.02) << "landing " << landings;
        EXPECT_NEAR(smiley->position.x, 156.0f * static_cast<float>(landings), 4.0f) << "landing " << landings;
        EXPECT_NEAR(peak, 78.0f, 2.5f) << "landing " << landings;
        peak = 0.0f;
    };
    game.step();
    EXPECT_GT(smiley->scale.x, 1.0f);
    game.stepSeconds(1.6);
    game.recorder = FrameRecorder();
    EXPECT_EQ(landings, 2);
    game.activeScreen()->bFinished = true;
}

// It rests on its flower until told, flies its path to the end (told twice,
// it keeps to its course) and rests there, and flies back when told again.
TEST(IntroActors, TheButterflyRestsUntilToldThenFliesItsPathToTheEndAndStaysThere)
{
    GameHarness& game = gameAtMenu();
    Butterfly* butterfly = new Butterfly(Butterfly::PRESET_INTRO);
    game.pushStage()->addChildLast(butterfly);
    const V3 flower = butterfly->points[0];
    const V3 end = butterfly->points[butterfly->pointCount - 1];
    const struct {
        int flyAways;
        double seconds;
        V3 at;
    } steps[] = {{0, 5.0, flower}, {2, 8.0, end}, {0, 3.0, end}, {1, 8.0, flower}};
    for (const auto& step : steps) {
        for (int i = 0; i < step.flyAways; ++i)
            butterfly->flyAway();
        game.stepSeconds(step.seconds + game.stepped.dt);
        EXPECT_EQ(butterfly->position, step.at) << step.flyAways << " then " << step.seconds << " s";
    }
    game.activeScreen()->bFinished = true;
}

// The stem (the first 0.8 of the picture) settles at a bend of 1 radian
// under a steady push of -1, swings back past upright when the push stops
// and comes to rest upright.
TEST(IntroActors, TheFlowerBendsAgainstASteadyPushAndSwingsBackWhenItStops)
{
    GameHarness& game = gameAtMenu();
    ChamomileIntro* flower = new ChamomileIntro();
    game.pushStage()->addChildLast(flower);
    EXPECT_NEAR(flower->bendQuad->width, 0.8f * pKiv->pResourceManager->findAs<Quad>("chamomile:0")->height, 0.5f);
    // The least bend while pushed with the force for so many seconds.
    auto push = [&](float force, double seconds) {
        float least = flower->bendQuad->bendAngle;
        for (int i = 0; i * game.stepped.dt < seconds; ++i) {
            flower->spring.force = V3(force, 0.0f, 0.0f);
            game.step();
            least = std::min(least, flower->bendQuad->bendAngle);
        }
        return least;
    };
    push(-1.0f, 6.0);
    EXPECT_NEAR(flower->bendQuad->bendAngle, 1.0f, 0.01f);
    EXPECT_LT(push(0.0f, 1.0), 0.0f);
    push(0.0f, 6.0);
    EXPECT_NEAR(flower->bendQuad->bendAngle, 0.0f, 0.01f);
    game.activeScreen()->bFinished = true;
}

// Many of each on a fixed seed: a smiley's eyes stay open 1 to 3 s before a
// blink; the butterfly's wing beats open its wings a quarter to a half way
// at rest and half to all the way in flight (sent off again whenever it
// lands).
TEST(IntroActors, BlinksAndWingBeatsReachBothEndsOfTheirIntervals)
{
    GameHarness& game = gameAtMenu();
    GameHarness::seed(19);
    DrawnRange open, resting, flying;
    for (int i = 0; i < 400; ++i)
        open.add(SmileyIntro().stateLeft);
    EXPECT_TRUE(spans(open, 1.0, 3.0)) << "seconds the eyes stay open";
    Butterfly* butterfly = new Butterfly(Butterfly::PRESET_INTRO);
    game.pushStage()->addChildLast(butterfly);
    while (resting.count + flying.count < 800) {
        if (resting.count >= 400 && butterfly->state == Butterfly::STATE_RESTING)
            butterfly->flyAway();
        const float target = butterfly->flapTarget;
        game.step();
        if (butterfly->flapTarget != target && butterfly->flapTarget > 0.0f)
            (butterfly->state == Butterfly::STATE_FLYING ? flying : resting).add(butterfly->flapTarget);
    }
    EXPECT_TRUE(spans(resting, 0.25, 0.5)) << "wing beats at rest";
    EXPECT_TRUE(spans(flying, 0.5, 1.0)) << "wing beats in flight";
    game.activeScreen()->bFinished = true;
}

// The arrow waits a second over the neighbourhood left, glides to the new
// one by 4 s (halfway at 2.5 s) and says where the player is from 3.5 s,
// with one jingle; a marker stands on each neighbourhood already reached.
TEST(JourneyMap, MarksTheNeighbourhoodsReachedAndTheArrowGlidesToTheNewOne)
{
    GameHarness& game = gameAtMenu();
    const V3 places[] = {V3(-185.0f, 35.0f, 0.0f), V3(-115.0f, 50.0f, 0.0f), V3(-50.0f, 55.0f, 0.0f),
                         V3(-95.0f, 20.0f, 0.0f)};
    const V3 above(0.0f, 50.0f, 0.0f);
    const Skin* marker = pKiv->pResourceManager->findAs<Skin>("intro1:11");
    for (const auto& [previous, current] : {std::make_pair(-1, 0), std::make_pair(2, 3)}) {
        SCOPED_TRACE(previous);
        game.recordAfresh();
        ContextMap* map = game.show(new ContextMap(previous, current));
        std::vector<V3> marked;
        for (const Renderable* piece : childrenOf<Renderable>(map))
            if (piece->pSkin == marker)
                marked.push_back(piece->position);
        EXPECT_EQ(marked, std::vector<V3>(places, places + previous + 1));
        const V3 from = places[std::max(previous, 0)];
        const V3 to = places[current];
        for (const auto& [seconds, at, caption] : {
                 std::make_tuple(0.9, from, ""),
                 std::make_tuple(2.5, (from + to) * 0.5f, ""),
                 std::make_tuple(4.1, to, "you are here!"),
                 std::make_tuple(6.0, to, "you are here!"),
             }) {
            game.stepUntil([&] { return map->t >= seconds; });
            EXPECT_NEAR(map->arrow->position.x, (at + above).x, 0.5f) << seconds;
            EXPECT_NEAR(map->arrow->position.y, (at + above).y, 0.5f) << seconds;
            EXPECT_EQ(map->arrow->caption, caption) << seconds;
        }
        EXPECT_EQ(game.recorder.timesStarted("jingle01"), 1);
        map->bFinished = true;
        game.step(2);
    }
    game.recorder = FrameRecorder();
}

// Its smileys are then worth the first neighbourhood's points. Smileys and
// fireworks start at 7 s with the menu music; each smiley goes past x = 400.
TEST(Ending, ThePartyStartsAtSevenSecondsStaysBoundedForAMinuteAndOkClosesItWithItsBackground)
{
    GameHarness& game = gameAtMenu();
    ASSERT_EQ(game.currentGame(), nullptr);
    pKiv->pAudio->setMusic(pKiv->pResourceManager->findAs<SoundStream>("musicGame1"));
    ContextEnding* ending = game.show(new ContextEnding());
    const Reference shown(ending);
    const Reference background(ending->pBackgroundContext);
    size_t mostSmileys = 0;
    game.recorder.bRecording = true;
    game.recorder.observer = [&](const FrameRecord& record) {
        const std::vector<SmileyEnding*> smileys = childrenOf<SmileyEnding>(ending->smileyLayer);
        if (ending->t < ContextEnding::PARTY_START) {
            EXPECT_EQ(smileys.size() + childrenOf<Firework>(ending).size() + record.sounds.size(), 0u) << ending->t;
            EXPECT_EQ(record.music, "musicGame1") << ending->t;
        }
        for (const SmileyEnding* smiley : smileys)
            EXPECT_LE(smiley->position.x, SmileyEnding::RIGHT_EXIT);
        mostSmileys = std::max(mostSmileys, smileys.size());
    };
    // The first line starts 300 units below the view's bottom edge (-240)
    // and rises 30 a second: at the edge after 10 s, fading in from 32
    // units above it to 160, gone at the top edge (240) and away past 304.
    const Reference firstLine(static_cast<KivBase*>(ending->textLayer->pFirstChild));
    for (const auto& [seconds, y, alpha] : {
             std::make_tuple(10.0, -240.0f, 0),
             std::make_tuple(13.2, -144.0f, 127),
             std::make_tuple(17.0, -30.0f, 255),
             std::make_tuple(21.0, 90.0f, 255),
             std::make_tuple(26.2, 246.0f, 0),
         }) {
        game.stepUntil([&] { return ending->t >= seconds; });
        const auto* line = static_cast<const Renderable*>(firstLine.get());
        ASSERT_NE(line, nullptr) << seconds;
        EXPECT_NEAR(line->position.y, y, 0.5f) << seconds;
        EXPECT_NEAR(line->color.a, alpha, 3) << seconds;
    }
    game.stepUntil([&] { return ending->t >= 28.5; });
    EXPECT_EQ(firstLine.get(), nullptr) << "gone 64 units past the top";
    game.stepUntil([&] { return ending->t >= 60.0; });
    EXPECT_EQ(game.recorder.frames.back().music, "musicMenu");
    game.recorder = FrameRecorder();
    EXPECT_TRUE(mostSmileys >= 4 && mostSmileys <= 33) << mostSmileys;
    clickOn(ending->okButton);
    game.step(2);
    EXPECT_EQ(shown.get(), nullptr);
    EXPECT_EQ(background.get(), nullptr);
    EXPECT_NE(game.mainMenu(), nullptr);
}

// Left to party for 200 s on a fixed seed: each firework bursts anywhere
// from x -320 to 320 and y -150 to 240 with 20 to 39 sparks, 0.1 to 1 s
// after the one before; each smiley sets off at 100 to 400 units a second
// to the right and 300 to 600 up, 0.25 to 2 s after the one before, with
// any variant of each feature, and hops on a floor 236 units below the
// centre. Each is read in the frame that made it, a firework at every spark.
TEST(Ending, ItsFireworksAndSmileysAreDrawnOverTheirWholeIntervals)
{
    GameHarness& game = gameAtMenu();
    game.stepped.dt = LARGEST_STEP;
    ContextEnding* ending = game.show(new ContextEnding());
    GameHarness::seed(23);
    DrawnRange x, y, sparks, fireworkGap, right, up, smileyGap;
    const char* const textures[] = {"body", "eyes", "mouths", "hair", "brows"};
    DrawnRange faces[std::size(textures)];
    float lowest = 0.0f;
    while (ending->t < 207.0) {
        const double firework = ending->nextFireworkTime, smiley = ending->nextSmileyTime;
        game.step();
        if (ending->nextFireworkTime != firework) {
            const Firework* made = childrenOf<Firework>(ending).back();
            for (int i = 0; i < made->particleCount; ++i) {
                x.add(made->particles[i].position.x);
                y.add(made->particles[i].position.y);
            }
            sparks.add(made->particleCount);
            fireworkGap.add(ending->nextFireworkTime - ending->t);
        }
        std::vector<SmileyEnding*> smileys = childrenOf<SmileyEnding>(ending->smileyLayer);
        if (ending->nextSmileyTime != smiley) {
            const SmileyEnding* made = smileys.back();
            smileys.pop_back();
            right.add(made->velocity.x);
            up.add(made->velocity.y);
            smileyGap.add(ending->nextSmileyTime - ending->t);
            for (size_t f = 0; f < std::size(textures); ++f)
                faces[f].add(made->features[f]->frame);
        }
        for (const SmileyEnding* hopping : smileys)
            lowest = std::min(lowest, hopping->position.y);
    }
    EXPECT_TRUE(spans(x, -320.0, 320.0)) << "where fireworks burst across";
    EXPECT_TRUE(spans(y, -150.0, 240.0)) << "where fireworks burst up";
    EXPECT_TRUE(spans(sparks, 20.0, 39.0)) << "sparks of a firework";
    EXPECT_TRUE(spans(fireworkGap, 0.1, 1.0)) << "seconds to the next firework";
    EXPECT_TRUE(spans(right, 100.0, 400.0)) << "a smiley's speed to the right";
    EXPECT_TRUE(spans(up, 300.0, 600.0)) << "a smiley's speed up";
    EXPECT_TRUE(spans(smileyGap, 0.25, 2.0)) << "seconds to the next smiley";
    EXPECT_EQ(lowest, -236.0f) << "the floor the smileys hop on";
    for (size_t f = 0; f < std::size(textures); ++f) {
        const size_t variants = f == 0 ? 3 : pKiv->pResourceManager->findAs<Texture>(textures[f])->skins.size();
        EXPECT_TRUE(spans(faces[f], 0.0, variants - 1.0)) << "the ending smileys' " << textures[f];
    }
    clickOn(ending->okButton);
    game.step(2);
    EXPECT_NE(game.mainMenu(), nullptr);
}

}

