// The chances and random intervals a player meets in play, over many draws
// on fixed seeds: clowns among a quest house's partners and among action
// mode's newcomers, when the newcomers come out, the multiplier bubbles' and
// the impatience's timers with the bubbles' numbers and smileys, the
// smileys a hint points at, the voice of a click, and the trees, flowers
// and ladybugs of the street. Each interval is
// shown to be reached near both its ends, each chance at its own value
// (strictly between 0 and 1) to let through the count its formula gives.
// The help is off, so that no dialog stops the game's clock.
#include "DrawnRange.h"
#include "GameSession.h"

#include "CameraBlender.h"
#include "board/House.h"
#include "game/GameScenery.h"

#include <set>

namespace {

using namespace testsupport;

// Generated again and again once play has begun (a game's first house is
// generated before the mode sets its chances, so it has no clowns).
TEST(Chances, AQuestHouseHasAClownInPlaceOfAPartnerFiveTimesInAHundred)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 4);
    KivBase list;
    int pairs = 0, clowns = 0;
    while (pairs < 4000) {
        quest->generateSmileys(&list);
        for (const Smiley* smiley : childrenOf<Smiley>(&list))
            clowns += smiley->isClown;
        pairs += quest->house->sizeX * quest->house->sizeY / 2;
        list.deleteAllChildren();
    }
    EXPECT_TRUE(countNear(clowns, 0.05 * pairs)) << "clowns among " << pairs << " pairs";
    session.leave();
}

// The house's first pair matched again and again, the newcomers taken out
// after each match.
TEST(Chances, ActionNewcomersComeOutAfterOneToFourSecondsAndTheSecondIsAClownOneTimeInTen)
{
    constexpr int MATCHES = 3000;
    GameSession session = GameSession::quick(false);
    GameControllerTimeTrial* action = session.startNew<GameControllerTimeTrial>(5);
    const auto [a, b] = firstPair(session.presentSmileys());
    ASSERT_NE(a, nullptr);
    int clowns = 0;
    DrawnRange delay;
    for (int match = 0; match < MATCHES; ++match) {
        action->onMatch(a, b);
        Smiley* second = static_cast<Smiley*>(static_cast<KivBase*>(action->smileyLayer->pLastChild));
        Smiley* first = static_cast<Smiley*>(static_cast<KivBase*>(second->pPrev));
        ASSERT_TRUE(first->apartment == a->apartment && second->apartment == b->apartment);
        clowns += second->isClown;
        delay.add(first->stateLeft);
        delay.add(second->stateLeft);
        delete first;
        delete second;
        action->coinLayer->deleteAllChildren();
        action->effectLayer->deleteAllChildren();
    }
    EXPECT_TRUE(countNear(clowns, 0.1 * MATCHES)) << "clowns among the second newcomers";
    EXPECT_TRUE(spans(delay, 1.0, 4.0)) << "seconds before a newcomer comes out";
    session.leave();
}

// Both timers made due in every frame of a quest house; its bubbles last a
// moment, so that each frame shows a new one. On the first house a bubble
// comes 2 to 24 8/59 s after the last, numbered 2 to 5, on any smiley; a
// smiley gets impatient 999999 to 9999999 s after the last (never in a game).
TEST(Timers, TheBubbleAndImpatienceTimersSpanTheirIntervalsAndBubblesGoToAnySmileyWithAnyNumber)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    quest->bubbleTime = 0.001;
    const std::vector<Smiley*> present = session.presentSmileys();
    DrawnRange bubbleGap, impatienceGap, number;
    std::set<const Smiley*> given;
    for (int frame = 0; frame < 400; ++frame) {
        // Due, and set: a bubble is shown. Due, and unset: only rescheduled.
        quest->nextBubble = quest->t;
        quest->nextImpatience = 0.0;
        session.game.step();
        bubbleGap.add(quest->nextBubble - quest->t);
        impatienceGap.add(quest->nextImpatience - quest->t);
        for (const Smiley* smiley : present)
            if (smiley->bubble) {
                number.add(smiley->bubble->value);
                given.insert(smiley);
            }
    }
    EXPECT_TRUE(spans(bubbleGap, 2.0, 24.0 + 8.0 / 59.0)) << "seconds to the next bubble";
    EXPECT_TRUE(spans(impatienceGap, 999999.0, 9999999.0)) << "seconds to the next impatient smiley";
    EXPECT_TRUE(spans(number, 2.0, 5.0)) << "the numbers of the bubbles";
    EXPECT_EQ(given.size(), present.size()) << "smileys that got a bubble";
    session.leave();
}

// Each hint draws a smiley at random and points at it and at a partner
// of it: over many hints, at every smiley that has a partner.
TEST(Timers, HintsPointAtEverySmileyThatHasAPartner)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    const std::vector<Smiley*> present = session.presentSmileys();
    std::set<const Smiley*> partnered, drawn;
    for (Smiley* smiley : present)
        for (Smiley* other : present)
            if (smiley->canMatch(other, false))
                partnered.insert(smiley);
    for (int hint = 0; hint < 200; ++hint) {
        ASSERT_TRUE(quest->useVitamin(VITAMIN_HINT));
        const std::vector<ArrowMessage*> arrows = childrenOf<ArrowMessage>(quest->effectLayer);
        ASSERT_EQ(arrows.size(), 2u);
        for (const Smiley* smiley : present)
            if (arrows[0]->position == smiley->position + V3(0.0f, 80.0f, 0.0f))
                drawn.insert(smiley);
        quest->effectLayer->deleteAllChildren();
    }
    EXPECT_EQ(drawn, partnered);
    session.leave();
}

// One call for each click, a frame after each; a start is seen as the
// change of the sound's last start time, which the frames move on.
TEST(Chances, AClickSpeaksOneTimeInSixWithAnyOfTheSevenVoices)
{
    constexpr int CLICKS = 1200, VOICES = 7;
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    const Sound* voices[VOICES];
    for (int k = 0; k < VOICES; ++k)
        voices[k] = pKiv->pResourceManager->findAs<Sound>(formatString("voice%d", k));
    int spoken = 0;
    DrawnRange voice;
    for (int click = 0; click < CLICKS; ++click) {
        double before[VOICES];
        for (int k = 0; k < VOICES; ++k)
            before[k] = voices[k]->lastStartTime;
        quest->playRandomVoice();
        for (int k = 0; k < VOICES; ++k)
            if (voices[k]->lastStartTime != before[k]) {
                ++spoken;
                voice.add(k);
            }
        session.game.step();
    }
    EXPECT_TRUE(countNear(spoken, CLICKS / 6.0)) << "clicks that speak";
    EXPECT_TRUE(spans(voice, 0.0, 6.0)) << "the voices heard";
    session.leave();
}

// A neighbourhood's entrance and a house's surroundings put up again and
// again beside a quest house, taken down after each: the entrance's tree is
// either tree on a coin toss and a ladybug sits on the sign one time in
// three; trees lean up to 0.1 rad either way; the entrance's flowers stand
// up to 300 units either side of the sign, a house's flowers across the
// next view 32 units in from its edges; flowers are scaled 0.5 to 1 and lean
// up to an eighth of a turn from upright.
TEST(Chances, TheStreetsTreesFlowersAndLadybugsAreDrawnOverTheirWholeIntervals)
{
    constexpr int ENTRANCES = 1200;
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    GameScenery scenery(*quest);
    const Skin* tree = pKiv->pResourceManager->findAs<Skin>("tree:all");
    const Skin* ladybug = pKiv->pResourceManager->findAs<Skin>("ladybug:0");
    int firstTrees = 0, ladybugs = 0;
    DrawnRange lean, entrance, across, scale, flowerLean;
    // What came into the layer since it held count children, taken down.
    const auto takeNew = [](KivBase* layer, int count) {
        std::vector<Renderable*> added;
        for (BasicLink* link = layer->pFirstChild; link; link = link->pNext, --count)
            if (count <= 0)
                added.push_back(static_cast<Renderable*>(static_cast<KivBase*>(link)));
        for (Renderable* piece : added)
            piece->bDead = true;
        return added;
    };
    const auto flowersOf = [&](const std::vector<Renderable*>& flowers, DrawnRange& where, float from) {
        for (const Renderable* flower : flowers) {
            where.add(flower->position.x - from);
            scale.add(flower->scale.x);
            flowerLean.add(flower->rotation.z - 1.5707963);
        }
    };
    const Camera::VisibleRect seen = quest->scene->pCamera->getVisibleRect(0.0f);
    for (int i = 0; i < ENTRANCES; ++i) {
        const int props = quest->sceneryLayer->getChildCount(), flowers = quest->flowerLayer->getChildCount();
        CameraBlender* camera = quest->scene->getCameraBlender();
        scenery.addStreet();
        delete static_cast<KivBase*>(camera->pLastChild);
        const std::vector<Renderable*> added = takeNew(quest->sceneryLayer, props);
        firstTrees += added[0]->pSkin == tree;
        lean.add(added[0]->rotation.z);
        ladybugs += added.back()->pSkin == ladybug;
        flowersOf(takeNew(quest->flowerLayer, flowers), entrance, quest->sceneX);
        if (i % 4 == 0) {
            const int beside = quest->sceneryLayer->getChildCount(), around = quest->flowerLayer->getChildCount();
            scenery.addHouseSurroundings(seen);
            lean.add(takeNew(quest->sceneryLayer, beside)[0]->rotation.z);
            flowersOf(takeNew(quest->flowerLayer, around), across, seen.right);
        }
        session.game.step();
    }
    EXPECT_TRUE(countNear(firstTrees, ENTRANCES / 2.0)) << "entrances with the first tree";
    EXPECT_TRUE(countNear(ladybugs, ENTRANCES / 3.0)) << "entrances with a ladybug";
    EXPECT_TRUE(spans(lean, -0.1, 0.1)) << "how trees lean";
    EXPECT_TRUE(spans(entrance, -300.0, 300.0)) << "where an entrance's flowers stand from its sign";
    const double width = seen.right - seen.left;
    EXPECT_TRUE(spans(across, 32.0, width - 32.0)) << "where a house's flowers stand in the next view";
    EXPECT_TRUE(spans(scale, 0.5, 1.0)) << "how large flowers grow";
    EXPECT_TRUE(spans(flowerLean, -0.3926991, 0.3926991)) << "how flowers lean";
    session.leave();
}

}

