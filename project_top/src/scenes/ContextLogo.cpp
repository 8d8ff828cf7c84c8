#include "scenes/ContextLogo.h"

#include "Background.h"
#include "CameraBlender.h"
#include "ContextManager.h"
#include "Global.h"
#include "Kiv.h"
#include "KivGraphics.h"
#include "KivInput.h"
#include "Logo.h"
#include "RadialFader.h"
#include "RenderableText.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "board/Apartment.h"
#include "board/House.h"
#include "effects/CameraStatic.h"
#include "effects/Chamomile.h"
#include "effects/CircleCloud.h"
#include "effects/GameSupport.h"
#include "rules/RandomSource.h"
#include "scenes/Butterfly.h"
#include "scenes/ChamomileIntro.h"
#include "scenes/SmileyIntro.h"

#include <cstdlib>

namespace {

constexpr double PI = 3.141592653589793;
constexpr float PI_F = 3.14159265f;
const UColor CAPTION_COLOUR(255, 128, 0, 255);
constexpr double CAPTION_FADE = 0.5;
// Where the camera starts, and where its first glide takes it.
constexpr float VIEW_START_X = -640.0f;
constexpr float VIEW_HERO_X = 640.0f;
// The flower field is the same at every start.
constexpr unsigned FLOWER_SEED = 2;


Sound* sound(const char* key)
{
    return GameSupport::resource<Sound>(key);
}

RadialFader* fader()
{
    return pGlobal->pContextManager->pFader;
}

void showSkin(Renderable* part, Skin* shown)
{
    part->pSkin = shown;
    part->updateVisuals();
}

// A smiley standing at x with its body and eye skins; hopping is the
// creator's choice.
SmileyIntro* newSmiley(float x, const char* body, const char* eyesOpen, const char* eyesClosed)
{
    SmileyIntro* smiley = new SmileyIntro();
    showSkin(smiley->body, GameSupport::resource<Skin>(body));
    smiley->eyesOpenSkin = GameSupport::resource<Skin>(eyesOpen);
    smiley->eyesClosedSkin = GameSupport::resource<Skin>(eyesClosed);
    showSkin(smiley->eyes, smiley->eyesOpenSkin);
    smiley->position = V3(x, 0.0f, 0.0f);
    smiley->updateVisuals();
    return smiley;
}

} // namespace

ContextLogo::ContextLogo(RandomSource& startRandom)
{
    bDeleteWhenFinished = true;
    bCloseOnKeys = true;
    bShowPointer = false;
    buildScenery();
    KivBase* frontLayer = new KivBase();
    addChildLast(frontLayer);
    buildActors(frontLayer, startRandom);
    addChildLast(new Background(Background::LAYER_GROUND));

    CameraBlender* camera = getCameraBlender();
    camera->jumpTo(VIEW_START_X, 0.0f, static_cast<float>(-(pKiv->pGraphics->fovWidth / 2)), true);
    CameraStatic* glide = new CameraStatic(VIEW_HERO_X, 0.0f, camera->position.z, true);
    glide->curve = 3;
    glide->duration = 20.0;
    camera->addChildLast(glide);

    thoughts = new KivBase();
    addChildLast(thoughts);
    overlay = new Context();
    addChildLast(overlay);
    setState(STATE_SCRIPT);
}

void ContextLogo::buildScenery()
{
    addChildLast(new Background(Background::LAYER_SKY));
    struct Tree {
        const char* skin;
        float x;
        float angle;
    };
    const Tree trees[] = {
        {"tree2:0", -320.0f, -PI_F / 8.0f},
        {"tree:all", 320.0f, 0.0f},
        {"tree2:0", 960.0f, PI_F / 16.0f},
        {"tree:all", 1600.0f, 0.0f},
    };
    for (const Tree& tree : trees) {
        Renderable* renderable = new Renderable();
        renderable->pSkin = GameSupport::resource<Skin>(tree.skin);
        renderable->position = V3(tree.x, 0.0f, 0.0f);
        renderable->rotation.z = tree.angle;
        renderable->updateVisuals();
        addChildLast(renderable);
    }
    addChildLast(new Background(Background::LAYER_GRASS));
}

void ContextLogo::buildActors(KivBase* frontLayer, RandomSource& startRandom)
{
    // The residents stand behind their apartments, so they come first.
    resident1 = newSmiley(1336.0f, "intro2:0", "intro2:3", "intro2:4");
    showSkin(resident1->expression, GameSupport::resource<Skin>("intro2:1"));
    resident1->hopping = false;
    addChildLast(resident1);
    resident2 = newSmiley(1976.0f, "intro1:8", "intro1:9", "intro1:10");
    resident2->hopping = false;
    addChildLast(resident2);
    house1 = new House();
    house1->create(1280.0f, 1, 1, frontLayer);
    addChildLast(house1);
    house2 = new House();
    house2->create(1920.0f, 1, 1, frontLayer);
    addChildLast(house2);

    // Asleep: the closed eyes are its open ones, so it does not blink.
    hero = newSmiley(VIEW_HERO_X, "intro1:0", "intro1:5", "intro1:5");
    showSkin(hero->expression, GameSupport::resource<Skin>("intro1:1"));
    hero->look(0.0f, 1.0f);
    addChildLast(hero);

    plantFlowers(startRandom);
    flower = new ChamomileIntro();
    flower->rotation.z = PI_F / 2.0f;
    flower->position = V3(675.0f, 0.0f, 0.0f);
    flower->updateVisuals();
    addChildLast(flower);
    butterfly = new Butterfly(Butterfly::PRESET_INTRO);
    addChildLast(butterfly);
}

void ContextLogo::plantFlowers(RandomSource& startRandom)
{
    // Drawn before the field's seed replaces the sequence that a seeded
    // source draws from.
    const unsigned startSeed = static_cast<unsigned>(startRandom.next());
    std::srand(FLOWER_SEED);
    double (*const r)() = GameSupport::randomFraction;
    for (int i = 0; i < 8; ++i) {
        Chamomile* chamomile = new Chamomile();
        // Three on the left of the scene, five around the houses.
        const double x = i < 3 ? r() * 920.0 - 320.0 : r() * 1120.0 + 800.0;
        chamomile->position = V3(static_cast<float>(x), 0.0f, 0.0f);
        chamomile->setScaleXY(static_cast<float>(r() * 0.4 + 0.6));
        chamomile->rotation.z = static_cast<float>(r() * PI / 4.0 - PI / 8.0 + PI / 2.0);
        chamomile->restBend = static_cast<float>(chamomile->rotation.z - PI / 2.0);
        chamomile->updateVisuals();
        addChildLast(chamomile);
    }
    // The butterfly, the blinking and the clouds differ at every start.
    std::srand(startSeed);
}

void ContextLogo::activate(bool)
{
    fader()->coverage = 1.0f;
    fader()->targetCoverage = 0.0f;
}

void ContextLogo::deactivate(bool closing)
{
    if (!closing)
        return;
    pKiv->pInput->placePointer(static_cast<float>(pKiv->pGraphics->fovWidth - 48), 32.0f);
}

void ContextLogo::tickContents(double time, double frameDt)
{
    // The stretches read the time in state as it was before this frame.
    const double inState = timeInState;
    const std::vector<Mark>& script = marks();
    while (marksRun < static_cast<int>(script.size()) && script[static_cast<size_t>(marksRun)].time <= time)
        script[static_cast<size_t>(marksRun++)].action(*this);
    if (state == STATE_SCRIPT)
        for (const Stretch& stretch : stretches())
            if (stretch.from < inState && inState < stretch.to)
                stretch.action(*this, inState);
    Context::tickContents(time, frameDt);
}

void ContextLogo::onStateChange()
{
    if (state == STATE_CLOSING) {
        fader()->targetCoverage = 1.0f;
        setState(STATE_ENDED, 1.0);
    } else if (state == STATE_ENDED) {
        bFinished = true;
    }
}

const std::vector<ContextLogo::Mark>& ContextLogo::marks()
{
    static const std::vector<Mark> script = {
        {2.0,
         [](ContextLogo& s) {
             s.caption("Greetings, traveller!", 140.0f, 0.0, 3.0);
             s.caption("Welcome to", 110.0f, 1.0, 3.0);
         }},
        {4.0,
         [](ContextLogo& s) {
             Logo* logo = new Logo();
             logo->lifetime = 5.0;
             logo->fadeIn = CAPTION_FADE;
             logo->fadeOut = CAPTION_FADE;
             s.overlay->addChildLast(logo);
         }},
        {10.0,
         [](ContextLogo& s) {
             s.caption("Do you know smileys?", 140.0f, 0.0, 8.0);
             s.caption("Well, Glimmerdale is where they all live.", 110.0f, 0.5, 7.5);
             s.caption("They like to spend their time here,", 80.0f, 1.0, 7.0);
             s.caption("lazily basking in the warm sunshine", 50.0f, 1.5, 6.5);
             s.caption("and sniffing the wildflowers.", 20.0f, 2.0, 6.0);
         }},
        {19.0,
         [](ContextLogo& s) {
             s.caption("Ah, there's one now!", 140.0f, 0.0, 9.0);
             s.caption("Shh, let's watch...", 110.0f, 2.0, 7.0);
         }},
        {22.5,
         [](ContextLogo& s) {
             sound("voice7")->play();
             s.butterfly->flyAway();
         }},
        {25.0, [](ContextLogo&) { sound("voice8")->play(); }},
        {25.5,
         [](ContextLogo& s) {
             showSkin(s.hero->pupils, GameSupport::resource<Skin>("intro1:4"));
             s.hero->eyesOpenSkin = GameSupport::resource<Skin>("intro1:3");
             showSkin(s.hero->eyes, s.hero->eyesOpenSkin);
         }},
        {27.0, [](ContextLogo& s) { s.hero->look(PI_F, 0.5f); }},
        {29.0,
         [](ContextLogo& s) {
             s.hero->look(0.0f, 0.5f);
             s.hero->hop(200.0f, 400.0f, 0.0f);
         }},
        {31.0,
         [](ContextLogo& s) {
             s.arriveAt(1260.0f, 1280.0f);
             s.caption("Smileys love company.", 140.0f, 0.0, 8.0);
             s.caption("They'll often visit their friends,", 110.0f, 0.5, 7.5);
             s.caption("everyone knows friends are great company!", 80.0f, 1.0, 7.0);
         }},
        {37.0, [](ContextLogo&) { sound("doorKnock")->play(); }},
        {40.0, [](ContextLogo& s) { s.setDoor(s.house1, 1.0f); }},
        {42.0,
         [](ContextLogo& s) {
             s.hero->look(PI_F / 2.0f, 1.0f);
             s.thoughtCloud(0.075f, -45.0f, 55.0f, 1.0f);
         }},
        {42.25, [](ContextLogo& s) { s.thoughtCloud(0.175f, -75.0f, 90.0f, 1.5f); }},
        {42.5,
         [](ContextLogo& s) {
             s.thoughtCloud(0.5f, -90.0f, 175.0f, 2.0f);
             s.thoughtPicture("intro1:6");
         }},
        {43.0,
         [](ContextLogo& s) {
             s.caption("You probably didn't know this,", 140.0f, 0.0, 6.0);
             s.caption("but smileys also like to be unique.", 110.0f, 0.5, 5.5);
             s.caption("They simply can't stand it", 80.0f, 1.0, 5.0);
             s.caption("when another smiley looks like them!", 50.0f, 1.5, 4.5);
         }},
        {49.0,
         [](ContextLogo& s) {
             showSkin(s.hero->expression, GameSupport::resource<Skin>("intro1:2"));
             s.thoughtPicture("intro1:7");
             sound("voice11")->play();
         }},
        {51.0,
         [](ContextLogo& s) {
             s.setDoor(s.house1, 0.0f);
             s.thoughts->deleteAllChildren();
         }},
        {53.0,
         [](ContextLogo& s) {
             s.hero->look(0.0f, 0.5f);
             s.hero->hop(200.0f, 400.0f, 0.0f);
         }},
        {55.0,
         [](ContextLogo& s) {
             s.arriveAt(1900.0f, 1920.0f);
             s.caption("Smileys want to be happy,", 140.0f, 0.0, 8.0);
             s.caption("and they can only be happy in company", 110.0f, 0.5, 7.5);
             s.caption("that doesn't look anything like them!", 80.0f, 1.0, 7.0);
         }},
        {61.0, [](ContextLogo&) { sound("doorKnock")->play(); }},
        {64.0,
         [](ContextLogo& s) {
             s.setDoor(s.house2, 1.0f);
             s.hero->look(0.0f, 1.0f);
         }},
        {66.0,
         [](ContextLogo& s) {
             s.hero->look(0.0f, 0.0f);
             s.thoughtCloud(0.075f, -45.0f, 55.0f, 1.0f);
         }},
        {66.25, [](ContextLogo& s) { s.thoughtCloud(0.175f, -75.0f, 90.0f, 1.5f); }},
        {66.5,
         [](ContextLogo& s) {
             showSkin(s.hero->expression, GameSupport::resource<Skin>("intro1:1"));
             s.hero->look(0.0f, 1.0f);
             s.thoughtCloud(0.5f, -90.0f, 175.0f, 2.0f);
             s.thoughtPicture("intro1:11");
         }},
        {67.0,
         [](ContextLogo& s) {
             s.hero->look(PI_F / 4.0f, 1.0f);
             sound("voice12")->play();
         }},
        {68.0, [](ContextLogo& s) { s.hero->look(0.0f, 1.0f); }},
        {69.0, [](ContextLogo& s) { s.hero->look(PI_F / 4.0f, 1.0f); }},
        {70.0, [](ContextLogo& s) { s.hero->look(PI_F, 0.5f); }},
        {71.0,
         [](ContextLogo& s) {
             s.caption("Smileys need to find their perfect friend", 140.0f, 0.0, 6.0);
             s.caption("to keep them company in Glimmerdale.", 110.0f, 0.5, 5.5);
             s.caption("Can you help them?", 80.0f, 4.0, 5.0);
         }},
        {SCRIPT_END, [](ContextLogo& s) { s.setState(STATE_CLOSING); }},
    };
    return script;
}

const std::vector<ContextLogo::Stretch>& ContextLogo::stretches()
{
    static const std::vector<Stretch> list = {
        // The hero leans towards the flower as it sniffs it ...
        {22.0, 22.5,
         [](ContextLogo& s, double inState) {
             s.hero->rotation = V3(V3(), V3(0.0f, 0.0f, -0.1f), static_cast<float>(2.0 * (inState - 22.0)), 5);
             s.hero->updateVisuals();
         }},
        // ... the flower bends while the butterfly takes off ...
        {22.5, 25.0, [](ContextLogo& s, double) { s.flower->spring.force = V3(-1.0f, 0.0f, 0.0f); }},
        // ... and the hero straightens up again.
        {25.0, 25.5,
         [](ContextLogo& s, double inState) {
             s.hero->rotation = V3(V3(0.0f, 0.0f, -0.1f), V3(), static_cast<float>(2.0 * (inState - 25.0)), 5);
             s.hero->updateVisuals();
         }},
    };
    return list;
}

void ContextLogo::caption(const char* text, float y, double delay, double lifetime)
{
    RenderableText* line = new RenderableText(0.0f, y, 0.0f, text, pGlobal->pFontMedium, CAPTION_COLOUR);
    line->fadeIn = CAPTION_FADE;
    line->fadeOut = CAPTION_FADE;
    line->delay = delay;
    line->lifetime = lifetime;
    overlay->addChildLast(line);
}

void ContextLogo::thoughtCloud(float cloudScale, float dx, float dy, float frequency)
{
    CircleCloud* cloud = new CircleCloud(cloudScale);
    cloud->position = hero->position + V3(dx, dy, 0.0f);
    cloud->updateVisuals();
    thoughts->addChildLast(cloud);
    sound("pop")->playAtFrequency(frequency);
}

void ContextLogo::thoughtPicture(const char* skinKey)
{
    Renderable* picture = new Renderable();
    picture->pSkin = GameSupport::resource<Skin>(skinKey);
    picture->position = hero->position + V3(-90.0f, 175.0f, 0.0f);
    picture->updateVisuals();
    thoughts->addChildLast(picture);
}

void ContextLogo::arriveAt(float heroX, float viewX)
{
    hero->velocity = V3();
    hero->position = V3(heroX, 0.0f, 0.0f);
    hero->updateVisuals();
    CameraBlender* camera = getCameraBlender();
    CameraStatic* glide = new CameraStatic(viewX, 0.0f, camera->position.z, true);
    glide->duration = 5.0;
    camera->addChildLast(glide);
}

void ContextLogo::setDoor(House* house, float target)
{
    house->getApartmentByXY(0, 0)->doorTarget = target;
}
