#include "board/Smiley.h"

#include "BasicLinkIterator.h"
#include "Context.h"
#include "ErrorManager.h"
#include "Kiv.h"
#include "KivInput.h"
#include "ResourceManager.h"
#include "Skin.h"
#include "Sound.h"
#include "board/Apartment.h"
#include "board/BoardHost.h"
#include "board/Coin.h"
#include "board/Feature.h"
#include "board/FeatureBody.h"
#include "effects/AlarmClock.h"
#include "effects/CircleCloud.h"
#include "effects/CircleScore2.h"
#include "effects/GameSupport.h"
#include "effects/Smoke.h"
#include "rules/MatchRule.h"
#include "rules/Scoring.h"
#include "rules/StandardRandom.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

// The face is drawn this far above the foot point.
const float FACE_HEIGHT = 27.0f;
const double APPEAR_TIME = 1.0;
const double LEAVE_TIME = 0.5;
const float CLICK_JIGGLE = 100.0f;
const double HALO_PULSE_SPEED = 16.0;
const V3 ALARM_CLOCK_OFFSET(0.0f, 70.0f, 0.0f);
const float COIN_SPREAD = 80.0f;


Skin* findSkin(const char* key)
{
    return GameSupport::resource<Skin>(key);
}

// The entrance and exit size factor: 0.5 growing to 1 along u squared.
float sizeFactor(double u)
{
    const double grown = u < 0.0 ? 0.0 : (u > 1.0 ? 1.0 : u * u);
    return static_cast<float>(0.5 + 0.5 * grown);
}

// The squash of the wobble: 1 at rest, 0.5 to 1.5 as the spring swings.
float squashFactor(float displacement)
{
    const float q = (displacement + 100.0f) / 200.0f;
    if (q < 0.0f)
        return 0.5f;
    if (q > 1.0f)
        return 1.5f;
    return q + 0.5f;
}

UColor bubbleColour(int n)
{
    switch (n) {
    case 3:
        return UColor(64, 255, 64, 255);
    case 4:
        return UColor(192, 255, 64, 255);
    case 5:
        return UColor(255, 255, 128, 255);
    default:
        return UColor(64, 128, 64, 255);
    }
}

}

Smiley::Smiley()
{
    spring.mass = 0.0025f;
    spring.friction = 3.0f;
    halo.pSkin = findSkin("body:4");
    value = Scoring::smileyValue(0, 0);
    setState(STATE_HIDDEN);
}

void Smiley::attachTo(BoardHost* game)
{
    host = game;
    if (host)
        value = host->newSmileyValue();
}

Smiley::~Smiley()
{
    delete alarmClock;
    delete bubble;
}

bool Smiley::isPointerOnHalo()
{
    const Context* screen = pKiv->pCurrentContext;
    return screen && halo.isPointInsideBounds(V3(screen->mouseX, screen->mouseY, screen->mouseZ));
}

void Smiley::tick(double t, double dt)
{
    if (state == STATE_HIDDEN) {
        StateBase::tick(t, dt);
        return;
    }
    if (state == STATE_PRESENT && selectable && pKiv->pInput->isMouseButtonPressed() && isPointerOnHalo()) {
        if (host)
            host->smileyClicked(this);
        spring.velocity.x += CLICK_JIGGLE;
    }
    spring.tick(t, dt);

    float size = 1.0f;
    if (state == STATE_APPEARING)
        size = sizeFactor(timeInState);
    else if (state == STATE_LEAVING)
        size = sizeFactor(1.0 - timeInState);

    if (state == STATE_PRESENT && holdingBreath) {
        breathElapsed += dt;
        if (FeatureBody* body = dynamic_cast<FeatureBody*>(features[SmileyFace::BODY]))
            body->breathTint = breathTime > 0.0 ? static_cast<float>(std::min(1.0, breathElapsed / breathTime)) : 1.0f;
        if (breathElapsed >= breathTime)
            runOutOfBreath();
    }

    if (selected)
        halo.color = UColor(haloColourA, haloColourB, static_cast<float>(0.5 + 0.5 * std::sin(HALO_PULSE_SPEED * t)));

    if (GameSupport::highDetail()) {
        const float squash = squashFactor(spring.position.x);
        setScale(V3(size * squash, size / squash, 1.0f));
    }

    if (alarmClock) {
        alarmClock->home = position + ALARM_CLOCK_OFFSET;
        alarmClock->tick(t, dt);
    }
    if (bubble) {
        bubble->tick(t, dt);
        bubbleElapsed += dt;
        if (bubbleElapsed > bubbleTime) {
            delete bubble;
            bubble = nullptr;
        }
    }
    KivBase::tick(t, dt);
}

void Smiley::runOutOfBreath()
{
    if (host && GameSupport::highDetail()) {
        Smoke* smoke = new Smoke(boundsCentre.x, boundsCentre.y, boundsCentre.z, 75, 0.0f, 150.0f, 0.0f,
                                 static_cast<float>(2.0 * M_PI), 3.0f, UColor(0, 64, 255, 255));
        smoke->lifeDecay = 256.0f;
        host->addSceneEffect(smoke);
    }
    GameSupport::resource<Sound>("breathOut")->play();
    if (apartment)
        apartment->setAwayNote(true);
    setState(STATE_LEAVING);
    if (host)
        host->smileyBreathedOut(this);
}

void Smiley::render()
{
    if (state == STATE_HIDDEN)
        return;
    if (selected)
        halo.render();
    Renderable::render();
    KivBase::render();
}

void Smiley::applyXform(Matrix& matrix)
{
    Renderable::applyXform(matrix);
    matrix.translate(0.0f, FACE_HEIGHT, 0.0f);
}

void Smiley::updateVisuals()
{
    Renderable::updateVisuals();
    BasicLinkIterator it(this);
    while (KivBase* child = it.next())
        if (Renderable* part = dynamic_cast<Renderable*>(child))
            part->setPostXform(xform);
    halo.setPostXform(xform);
}

void Smiley::renderExtras()
{
    if (bubble)
        bubble->render();
    if (alarmClock)
        alarmClock->render();
}

void Smiley::onStateChange()
{
    switch (state) {
    case STATE_APPEARING:
        if (apartment) {
            // Staggered, so that the doors of a house do not all open in one
            // frame.
            if (apartment->doorOpening == 0.0f)
                apartment->doorOpening = static_cast<float>(-0.5 * GameSupport::randomFraction());
            apartment->doorTarget = 1.0f;
        }
        setState(STATE_PRESENT, APPEAR_TIME);
        break;
    case STATE_LEAVING:
        selected = false;
        delete alarmClock;
        alarmClock = nullptr;
        delete bubble;
        bubble = nullptr;
        if (apartment)
            apartment->doorTarget = 0.0f;
        setState(STATE_GONE, LEAVE_TIME);
        break;
    case STATE_GONE:
        if (destination) {
            if (getParent())
                getParent()->removeChild(this);
            destination->addChildLast(this);
        } else {
            bDead = 1;
        }
        break;
    default:
        break;
    }
}

void Smiley::setScale(V3 newScale)
{
    if (newScale == scale)
        return;
    scale = newScale;
    updateVisuals();
}

void Smiley::dismiss()
{
    setState(STATE_LEAVING);
}

void Smiley::addFeature(Feature* f)
{
    addChildLast(f);
}

bool Smiley::canMatch(Smiley* other, bool highlight)
{
    if (other == this)
        return false;
    if (isClown || other->isClown)
        return true;
    KIV_ASSERT(featureCount <= FEATURE_SLOTS);
    const MatchRule::Verdict verdict = MatchRule::judge(face(), other->face());
    if (highlight)
        for (int i = 0; i < featureCount; ++i)
            if ((verdict.clashes >> i) & 1) {
                features[i]->glow = 1.0f;
                other->features[i]->glow = 1.0f;
            }
    return verdict.match;
}

SmileyFace Smiley::face() const
{
    SmileyFace face;
    face.clown = isClown;
    face.featureCount = featureCount;
    for (int i = 0; i < FEATURE_SLOTS; ++i)
        if (const Feature* feature = features[i]) {
            face.present[i] = true;
            face.variant[i] = feature->variant;
            face.relevant[i] = feature->relevant;
        }
    return face;
}

void Smiley::leave(bool penalty)
{
    if (state == STATE_HIDDEN) {
        setState(STATE_GONE);
        return;
    }
    if (state == STATE_PRESENT && penalty && host)
        host->chargeLeftover(position);
    setState(STATE_LEAVING);
}

void Smiley::holdBreath(double seconds)
{
    if (state != STATE_PRESENT || holdingBreath)
        return;
    breathTime = seconds;
    holdingBreath = true;
    breathElapsed = 0.0;
    GameSupport::resource<Sound>("breathIn")->play();
    alarmClock = new AlarmClock();
    // It rings for the last two seconds.
    alarmClock->start(static_cast<float>(seconds - 2.0));
}

void Smiley::showMultiplierBubble(int n, double seconds)
{
    if (state != STATE_PRESENT || bubble)
        return;
    bubbleElapsed = 0.0;
    bubbleTime = seconds;
    bubble = new CircleScore2(n);
    const UColor colour = bubbleColour(n);
    // Stars all round, with the number at the top and the bottom.
    const std::string star(1, '\x80');
    const std::string number = std::string(1, '\x81') + std::to_string(n);
    for (int step = 0; step < 8; ++step) {
        const bool bNumber = step == 2 || step == 6;
        bubble->addCircularText(bNumber ? number : star, colour, 40.0f, static_cast<float>(step * M_PI / 4.0), 1);
    }
    bubble->position = boundsCentre;
    bubble->updateVisuals();
}

int Smiley::collectMatchReward()
{
    int n = 1;
    if (bubble) {
        n = bubble->value;
        if (host) {
            bubble->fadeOut();
            host->addSceneEffect(bubble);
        } else {
            delete bubble;
        }
        bubble = nullptr;
    }
    if (host)
        for (int i = 1; i <= n; ++i)
            dropCoin(static_cast<float>(i) * host->coinDropChance());
    return Scoring::matchReward(value, n);
}

void Smiley::dropCoin(double chance)
{
    if (!host)
        return;
    if (chance <= GameSupport::randomFraction())
        return;
    const float spread = static_cast<float>(GameSupport::randomFraction());
    const int kind = StandardRandom::shared().below(2) + 1;
    host->addCoin(new Coin(*host, position.x + spread * COIN_SPREAD - COIN_SPREAD / 2.0f, position.y, position.z, kind));
}

void Smiley::addShadow()
{
    Renderable* shadow = new Renderable();
    shadow->pSkin = findSkin("body:4");
    shadow->position = V3(0.0f, -FACE_HEIGHT, 0.0f);
    shadow->scale = V3(0.75f, 0.125f, 1.0f);
    shadow->color = UColor(0, 0, 0, 64);
    shadow->setPostXform(xform);
    addChildFirst(shadow);
}

void Smiley::addCloud()
{
    CircleCloud* cloud = new CircleCloud(0.5f);
    cloud->setPostXform(xform);
    addChildFirst(cloud);
}
