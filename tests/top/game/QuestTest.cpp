// Quest mode played through the input as a player plays it: the whole
// journey house by house with its challenge rounds answered wrong, late and
// right, a game lost when the slots fill, a game left and continued (also
// from the roster file, with the prompt's button making no click sound), the
// end of a house after a deselection or with smileys left over, the journey
// map of a new neighbourhood, and the score multiplier of a vitamin.
#include "EveryIndex.h"
#include "GameSession.h"
#include "HouseEnds.h"
#include "JourneyPlan.h"

#include "ContextDialog.h"
#include "FontQuad.h"
#include "board/Clown.h"
#include "board/Coin.h"
#include "board/FeatureBody.h"
#include "effects/CircleScore.h"
#include "game/ContextMap.h"

#include <gmock/gmock.h>

#include <numeric>

namespace {

using namespace testsupport;
using Controller = GameController;
using Quest = GameControllerAdventure;

// The number a bonus popup shows, read back from its glyphs: its last run
// of the HUD font's digits (and thousands commas).
int shownNumber(const CircleScore* popup)
{
    const FontQuad* font = pKiv->pResourceManager->findAs<FontQuad>("fontHUD");
    std::string digits;
    for (const Renderable* sprite : childrenOf<Renderable>(popup)) {
        const std::string marks = "0123456789,";
        const auto mark = std::find_if(marks.begin(), marks.end(),
                                       [&](char c) { return font->getSymbolData(c).pQuad == sprite->pSkin; });
        if (mark == marks.end())
            digits.clear();
        else if (*mark != ',')
            digits += *mark;
    }
    return digits.empty() ? -1 : std::stoi(digits);
}

// The caption of the arrow beside the thermometer that counts the free slots.
std::string slotsLeftArrow(const GameController* quest)
{
    const std::vector<ArrowMessage*> arrows = childrenOf<ArrowMessage>(quest->bonusLayer);
    return arrows.empty() ? "" : arrows.front()->caption;
}

// Right but slow: with less than half the time left.
enum class Answer { WRONG, LATE, RIGHT, SLOW };

// Some smiley of the house shows a multiplier bubble.
bool anyBubble(const GameController* game)
{
    const std::vector<Smiley*> smileys = childrenOf<Smiley>(game->smileyLayer);
    return std::any_of(smileys.begin(), smileys.end(), [](const Smiley* smiley) { return smiley->bubble; });
}

// The arrows that point out a challenge round's missed answer.
size_t solutionArrows(const GameController* game)
{
    const std::vector<ArrowMessage*> arrows = childrenOf<ArrowMessage>(game->effectLayer);
    return static_cast<size_t>(std::count_if(arrows.begin(), arrows.end(),
                                             [](const ArrowMessage* arrow) { return arrow->caption == "solution"; }));
}

// Clears the house by matching all its pairs, after a slip when asked, and
// returns the score as the player counts it then: the slip's penalty taken
// (never below 0), then what each match was seen to pay.
int32_t clearHouse(GameSession& session, bool slip, int32_t score)
{
    if (slip) {
        const auto [a, b] = firstPair(session.presentSmileys(), false);
        session.match({{a, b}});
        score = std::max(0, score - 1000);
    }
    for (const auto& [a, b] : perfectMatching(session.presentSmileys()))
        score += session.matchCounting(a, b);
    return score;
}

// The statistics page of a house: the points it collected, the whole
// seconds it was played (rounded down), its matches and mistakes, and the
// share of matches among them in whole percent (rounded down).
void expectStatistics(const HouseEnd& end, int32_t collected, size_t matches, size_t mistakes)
{
    EXPECT_EQ(end.lines, (std::vector<std::string>{
                             "Points collected " + std::to_string(collected),
                             "Time taken " + std::to_string(end.seconds) + " sec",
                             "Matches " + std::to_string(matches), "Mistakes " + std::to_string(mistakes),
                             "Efficiency " + std::to_string(100 * matches / (matches + mistakes)) + "%"}));
    EXPECT_NEAR(end.seconds, end.played - 0.5, 0.501) << end.played;
}

// The journey house by house. Every ordinary house is cleared by matching
// all its pairs, the very first after a slip (no eagle eye there), and pays
// its clear and eagle-eye bonuses. The first challenge round is answered
// wrong and pays nothing, not even a coin, the second not at all (Escape
// does nothing meanwhile, the thermometer empties in a second per apartment
// and no smiley shows a multiplier bubble); both have their answer pointed
// out. The fourth is answered right with less than half the time left,
// paying the match bonus alone, the others right at once, paying the match
// and extra bonuses, 15000 per neighbourhood number. Each house starts with
// the score the player counted and slot marks on the thermometer outside
// the challenge rounds; each ends with the vitamins, the thermometer and the
// alarm clock gone.
TEST(Quest, EachHouseOfTheJourneyIsBuiltPlayedAndPaidAsItsRowSays)
{
    const Answer answers[] = {Answer::WRONG, Answer::LATE, Answer::RIGHT, Answer::SLOW,
                              Answer::RIGHT, Answer::RIGHT, Answer::RIGHT, Answer::RIGHT};
    const char* const captions[] = {"no bonus!", "too slow!", "well done!", "well done!"};
    GameSession session = GameSession::quick();
    HouseEnds ends(session);
    GameController* quest = session.startNew<Quest>(11);
    std::vector<int> states = {Controller::STATE_TITLE, Controller::STATE_SAVED_GAME};
    int32_t score = 0;
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        states.push_back(Controller::STATE_STREET);
        const std::vector<HouseSize>& houses = STREET_JOURNEY[n];
        for (size_t house = 0; house < houses.size(); ++house) {
            const std::string number = std::to_string(n + 1) + "-" + std::to_string(house + 1);
            SCOPED_TRACE(number);
            ASSERT_TRUE(session.waitForPlay());
            EXPECT_EQ(quest->playerData->score, score);
            EXPECT_TRUE(session.record(MODE_QUEST).housesPlayed > 0 || n + house == 0) << "saved at each house";
            expectBuiltAsPlanned(quest, houses, house);
            const bool challenge = house + 1 == houses.size();
            ASSERT_EQ(quest->challengeRound, challenge) << "the plan's house is played as planned";
            EXPECT_EQ(quest->captionText->text, challenge ? "challenge round!" : "house " + number);
            EXPECT_EQ(quest->hud->thermometerSlots, !challenge) << "slot marks outside a challenge round only";
            const size_t ended = ends.houses.size() + 1;
            int32_t collected = 0;
            std::vector<int> due;
            size_t pairs = 0;
            const bool slip = n + house == 0;
            if (challenge) {
                EXPECT_FLOAT_EQ(1.0f / quest->drainSpeed,
                                static_cast<float>(houses[house].width * houses[house].height));
                if (answers[n] == Answer::SLOW) {
                    ASSERT_TRUE(session.playUntil([&] { return quest->thermometer < 0.45f; }));
                }
                if (answers[n] == Answer::LATE)
                    pressKey(KEY_ESCAPE);
                else
                    session.click(session.challengeAnswer(answers[n] != Answer::WRONG));
                if (answers[n] == Answer::WRONG) {
                    EXPECT_TRUE(childrenOf<Coin>(quest->coinLayer).empty()) << "a wrong answer drops no coin";
                }
                if (answers[n] == Answer::RIGHT)
                    due = {5000 * (n + 1), 10000 * (n + 1)};
                if (answers[n] == Answer::SLOW)
                    due = {10000 * (n + 1)};
            } else {
                EXPECT_NEAR(quest->houseHardness, 0.5 * static_cast<double>(house) / (houses.size() - 2), 1e-6);
                pairs = session.presentSmileys().size() / 2;
                collected = clearHouse(session, slip, score) - score;
                score += collected;
                due = slip ? std::vector<int>{3000} : std::vector<int>{3000, 5000};
            }
            bool bubbled = false;
            ASSERT_TRUE(session.playUntil([&] {
                bubbled = bubbled || (challenge && anyBubble(quest));
                return ends.houses.size() == ended;
            }));
            EXPECT_FALSE(bubbled) << "a multiplier bubble in a challenge round";
            const HouseEnd& end = ends.houses.back();
            EXPECT_EQ(end.bonuses, due);
            EXPECT_EQ(quest->hud->alarmClock, nullptr) << "the clock stops with the round";
            EXPECT_FALSE(quest->hud->showVitamins) << "the vitamin column slides out";
            EXPECT_FALSE(quest->hud->showThermometer) << "the thermometer slides out";
            const bool missed = challenge && (answers[n] == Answer::WRONG || answers[n] == Answer::LATE);
            EXPECT_EQ(solutionArrows(quest), missed ? 1u : 0u) << "only a missed answer is pointed out";
            if (!due.empty()) {
                EXPECT_EQ(end.bonusRowY, challenge ? -40.0f : -140.0f) << "below the statistics page when shown";
            }
            score += std::accumulate(due.begin(), due.end(), 0);
            if (challenge) {
                EXPECT_EQ(quest->endCaption, captions[static_cast<int>(answers[n])]);
                const double seconds = houses[house].width * houses[house].height;
                if (answers[n] == Answer::LATE) {
                    EXPECT_NEAR(end.played, seconds, 0.06);
                } else {
                    EXPECT_LT(end.played, seconds);
                }
            } else {
                expectStatistics(end, collected, pairs, slip ? 1 : 0);
            }
            states.insert(states.end(), {Controller::STATE_HOUSE, Controller::STATE_CAPTION, Controller::STATE_PLAY,
                                         Controller::STATE_HOUSE_END, Controller::STATE_STATISTICS,
                                         Controller::STATE_NEXT_HOUSE});
        }
    }
    // The ending, then the high-score table (the ending test's).
    ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; }));
    EXPECT_EQ(quest->playerData->score, score);
    states.push_back(Controller::STATE_HIGH_SCORES);
    EXPECT_EQ(session.states, states);
    EXPECT_EQ(session.game.recorder.timesStarted("jingle06"), 2) << "the slip's and the wrong answer's";
    session.leave();
}

// A clown among the leftovers has no body to turn white; it goes with them.
// They overflow the one slot left, or fill exactly the slots left free.
TEST(Quest, SmileysLeftOverFillTheLastSlotAndTheGameIsOver)
{
    for (const bool bExactly : {false, true}) {
        SCOPED_TRACE(bExactly ? "exactly" : "overflowing");
        GameSession session = GameSession::quick();
        GameHarness::seed(5);
        GameController* quest = session.continueFrom<Quest>(SavedGame{1, 0, 1, 20000, 10, 1, 9});
        ASSERT_TRUE(quest && session.waitForPlay());
        EXPECT_EQ(slotsLeftArrow(quest), "1 slot left");
        const auto pairs = strandingMatching(session.presentSmileys());
        const int leftOver = static_cast<int>(session.presentSmileys().size() - 2 * pairs.size());
        ASSERT_GT(leftOver, 0);
        session.match(pairs);
        ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_MODE_END; }));
        EXPECT_EQ(quest->endCaption, "no more matches!");
        EXPECT_FALSE(quest->hud->showVitamins);
        Smiley* clown = new Clown();
        clown->setState(Smiley::STATE_PRESENT);
        quest->smileyLayer->addChildLast(clown);
        const int used = bExactly ? 10 - (leftOver + 1) : 9;
        quest->playerData->usedSlots = used;
        std::vector<const FeatureBody*> bodies;
        for (const Smiley* smiley : session.presentSmileys())
            if (!smiley->isClown)
                bodies.push_back(dynamic_cast<FeatureBody*>(smiley->features[0]));
        ASSERT_EQ(bodies.size(), static_cast<size_t>(leftOver));
        ASSERT_TRUE(session.playUntil([&] { return quest->timeInState >= 2.9; }));
        EXPECT_TRUE(everyIndex(bodies.size(), [&](size_t i) { return bodies[i]->breathTint > 0.9f; }))
            << "the leftovers turn white as they wait";
        ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_GAME_OVER; }));
        EXPECT_EQ(quest->playerData->usedSlots, used + leftOver + 1);
        EXPECT_FLOAT_EQ(quest->thermometer, 1.0f) << "the blobs have filled the thermometer";
        EXPECT_EQ(session.record(MODE_QUEST).housesPlayed, 0) << "a lost game is not offered again";
        EXPECT_TRUE(session.closeHighScores());
        for (const char* sound : {"honk", "voice11", "liquify", "gameover"})
            EXPECT_EQ(session.game.recorder.timesStarted(sound), 1) << sound;
    }
}

// Left through Exit and "Are you sure?", back to the menu's music.
TEST(Quest, LeftGameIsContinuedAtItsHouseAlsoFromTheRosterFile)
{
    GameSession session = GameSession::quick();
    GameHarness& game = session.game;
    GameController* first = session.startNew<Quest>(3);
    session.match(strandingMatching(session.presentSmileys()));
    ASSERT_TRUE(session.playUntil([&] { return first->state != Controller::STATE_PLAY; }));
    ASSERT_TRUE(session.waitForPlay());
    const int score = first->playerData->score;
    const int slots = first->playerData->usedSlots;
    EXPECT_GT(slots, 0);
    const Reference alive(first);
    clickOn(childrenOf<MenuButtonQuit>(first->sceneryLayer).back());
    ASSERT_TRUE(game.stepUntil([&] { return session.shown<ContextDialog>() != nullptr; }, 10));
    clickOn(session.shown<ContextDialog>()->pFirstButton);
    ASSERT_TRUE(game.stepUntil([&] { return alive.get() == nullptr; }, 10));
    EXPECT_EQ(game.recorder.frames.back().music, "musicMenu") << "the menu's music is back";
    const SavedGame left = session.record(MODE_QUEST);
    // Houses played, neighbourhood, house, score and used slots.
    EXPECT_EQ(std::make_tuple(left.housesPlayed, left.neighbourhood, left.houseIndex, left.score, left.usedSlots),
              std::make_tuple(1, 0, 1, score, slots));

    ProfileManager& roster = pGlobal->profileManager;
    roster.save(*pKiv->pFileManager);
    session.record(MODE_QUEST) = SavedGame{};
    ASSERT_TRUE(roster.load(*pKiv->pFileManager));
    game.recordAfresh();
    GameController* resumed = session.continueFrom<Quest>(session.record(MODE_QUEST));
    EXPECT_EQ(game.recorder.timesStarted("mouseClick"), 0);
    ASSERT_TRUE(resumed && session.waitForPlay());
    EXPECT_EQ(slotsLeftArrow(resumed), std::to_string(10 - slots) + " slots left");
    EXPECT_EQ(resumed->houseIndex, 1);
    EXPECT_EQ(resumed->playerData->score, score);
    EXPECT_EQ(resumed->playerData->usedSlots, slots);
    EXPECT_FLOAT_EQ(resumed->thermometer, static_cast<float>(slots) / 10.0f);
    session.leave();
}

// A smiley selected and deselected again forfeits the eagle eye; smileys
// left over forfeit the clear bonus and the house's jingle, and each counts
// as a mistake.
TEST(Quest, TheHousesEndFollowsADeselectionOrTheSmileysLeftOver)
{
    for (const bool bStranded : {false, true}) {
        SCOPED_TRACE(bStranded ? "left over" : "deselected");
        GameSession session = GameSession::quick();
        HouseEnds ends(session);
        session.startNew<Quest>(3);
        const size_t smileys = session.presentSmileys().size();
        if (!bStranded) {
            session.click(session.presentSmileys().front());
            session.click(session.presentSmileys().front());
        }
        const auto pairs = bStranded ? strandingMatching(session.presentSmileys())
                                     : perfectMatching(session.presentSmileys());
        int32_t collected = 0;
        for (const auto& [a, b] : pairs)
            collected += session.matchCounting(a, b);
        ASSERT_TRUE(session.playUntil([&] { return !ends.houses.empty(); }));
        EXPECT_EQ(ends.houses[0].bonuses, std::vector<int>{bStranded ? 5000 : 3000});
        EXPECT_EQ(session.game.recorder.timesStarted("jingle04"), bStranded ? 0 : 1) << "the house's jingle";
        expectStatistics(ends.houses[0], collected, pairs.size(), smileys - 2 * pairs.size());
        session.leave();
    }
}

// Continued at the first house of "Cozy Alley", the map's arrow starts over
// "Leasurely Lane".
TEST(Quest, ANewNeighbourhoodShowsTheMapFromTheOneLeft)
{
    GameSession session = GameSession::quick();
    ASSERT_NE(session.continueFrom<Quest>(SavedGame{8, 2, 0, 0, 0, 1, 0}), nullptr);
    ASSERT_TRUE(session.playUntil([&] { return session.shown<ContextMap>() != nullptr; }));
    EXPECT_EQ(session.shown<ContextMap>()->fromPos, V3(-115.0f, 50.0f, 0.0f));
    EXPECT_EQ(session.shown<ContextMap>()->toPos, V3(-50.0f, 55.0f, 0.0f));
    session.leave();
}

// Its time waits under a dialog.
TEST(Quest, DoubleScoreLastsThirtySecondsOfPlay)
{
    GameSession session = GameSession::quick();
    GameHarness& game = session.game;
    GameController* resumed = session.continueFrom<Quest>(SavedGame{1, 0, 1, 5000, 0, 1, 0});
    ASSERT_TRUE(resumed && session.waitForPlay());
    PlayerData* player = resumed->playerData;
    ASSERT_TRUE(resumed->useVitamin(3));
    EXPECT_EQ(player->multiplier, 2);
    game.stepSeconds(10.0);
    resumed->showDialog("a message", "", nullptr);
    game.stepSeconds(60.0);
    ASSERT_TRUE(session.closeDialog());
    game.stepSeconds(19.0);
    EXPECT_EQ(player->multiplier, 2);
    game.stepSeconds(1.5);
    EXPECT_EQ(player->multiplier, 1);
    session.leave();
}

// On the last ordinary house of "Easy Street". A hint lets go of the smiley
// selected. A second double score is refused and keeps its coins; the one
// bought stands still through the challenge round, whose HUD shows no
// badge for it, and ends when the next neighbourhood begins.
TEST(Quest, AHintLetsGoOfTheSelectionAndDoubleScoreIsBoughtOnceAndEndsWithTheNeighbourhood)
{
    GameSession session = GameSession::quick();
    GameController* quest = session.continueFrom<Quest>(SavedGame{2, 0, 2, 5000, 330, 1, 0});
    ASSERT_TRUE(quest && session.waitForPlay());
    session.click(session.presentSmileys().front());
    ASSERT_TRUE(session.buyVitamin(VITAMIN_HINT));
    EXPECT_EQ(quest->getSelectedSmiley(), nullptr) << "the hint lets go of the selection";
    ASSERT_TRUE(session.buyVitamin(VITAMIN_DOUBLE_SCORE));
    ASSERT_TRUE(session.buyVitamin(VITAMIN_DOUBLE_SCORE));
    EXPECT_EQ(quest->playerData->coins, 330 - 30 - 150) << "the second double score is refused";
    EXPECT_TRUE(quest->multiplierBadgeShown());
    session.match(perfectMatching(session.presentSmileys()));
    ASSERT_TRUE(session.playUntil([&] { return quest->challengeRound; }) && session.waitForPlay());
    EXPECT_EQ(quest->playerData->multiplier, 2);
    EXPECT_FALSE(quest->multiplierBadgeShown()) << "no badge in a challenge round";
    session.click(session.challengeAnswer(true));
    ASSERT_TRUE(session.playUntil([&] { return quest->neighbourhood == 1; }) && session.waitForPlay());
    EXPECT_EQ(quest->playerData->multiplier, 1) << "a new neighbourhood starts without it";
    session.leave();
}

// The "clear bonus" of 3000 doubled shows 6,000, and every popup of the
// house pays what it shows.
TEST(Quest, UnderDoubleScoreTheHousesBonusPopupsShowWhatTheyPay)
{
    GameSession session = GameSession::quick();
    GameController* quest = session.startNew<Quest>(5);
    ASSERT_TRUE(quest->useVitamin(3));
    session.match(perfectMatching(session.presentSmileys()));
    ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_STATISTICS; }));
    ASSERT_EQ(quest->playerData->multiplier, 2);
    std::vector<int> shown;
    std::vector<Reference> popups;
    for (const CircleScore* popup : childrenOf<CircleScore>(quest->bonusLayer)) {
        shown.push_back(shownNumber(popup));
        popups.emplace_back(const_cast<CircleScore*>(popup));
    }
    EXPECT_THAT(shown, ::testing::Contains(6000));
    const int before = quest->playerData->score;
    ASSERT_TRUE(session.game.stepUntil([&] {
        return std::all_of(popups.begin(), popups.end(), [](const Reference& popup) { return !popup.get(); });
    }));
    EXPECT_EQ(quest->playerData->score - before, std::accumulate(shown.begin(), shown.end(), 0));
    session.leave();
}

}
