// The chances and random intervals a player meets in play, over many draws
// on fixed seeds: clowns among a quest house's partners and among action
// mode's newcomers, when the newcomers come out, the multiplier bubbles' and
// the impatience's timers with the bubbles' numbers and smileys, the
// smileys a hint points at, and the voice of a click. Each interval is
// shown to be reached near both its ends, each chance at its own value
// (strictly between 0 and 1) to let through the count its formula gives.
// The help is off, so that no dialog stops the game's clock.
#include "DrawnRange.h"
#include "GameSession.h"
#include "board/House.h"

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

}
