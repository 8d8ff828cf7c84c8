// Quest mode played through the input as a player plays it: a whole game to
// the end of the journey with its challenge rounds answered wrong, late and
// right, a game lost when the slots fill, and a game left and continued (also from the roster file, with the
// prompt's button making no click sound) with the score multiplier of a
// vitamin.
#include "GameSession.h"

#include "ContextDialog.h"
#include "FontQuad.h"
#include "board/Clown.h"
#include "board/FeatureBody.h"
#include "effects/CircleScore.h"
#include "effects/EndLevelStat.h"

#include <gmock/gmock.h>

#include <numeric>

namespace {

using namespace testsupport;
using Controller = GameController;
using Quest = GameControllerAdventure;


// The challenge round's answer, right or wrong.
Smiley* answer(GameSession& session, bool right)
{
    for (Smiley* smiley : session.presentSmileys())
        if (smiley->canMatch(session.controller->challengeSmiley, false) == right)
            return smiley;
    return nullptr;
}

// Points of the bonus popups that the end of a house has just put up.
std::vector<int> newBonuses(const GameController* game)
{
    std::vector<int> points;
    for (const CircleScore* popup : childrenOf<CircleScore>(game->bonusLayer))
        if (popup->state == 0)
            points.push_back(popup->points);
    std::sort(points.begin(), points.end());
    return points;
}

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

// The first neighbourhood's challenge round is answered wrong and pays
// nothing, the second's not at all (Escape does nothing meanwhile, and the
// thermometer empties in 16 s), the others right. The first house has one
// slip; the others are cleared without one.
TEST(Quest, WholeJourneyClearedHouseByHouseEndsWithTheHighScoreAndNoSavedGame)
{
    GameSession session = GameSession::quick();
    GameController* quest = session.startNew<Quest>(11);
    // The bonuses put up as each house ends, and the high-score row.
    std::vector<std::vector<int>> bonuses;
    // The statistics page of the house that ended last, line by line.
    std::vector<std::string> statistics;
    int row = -1;
    session.game.recorder.observer = [&](const FrameRecord&) {
        if (session.game.currentGame() == quest && quest->timeInState == 0.0 &&
            quest->state == Controller::STATE_STATISTICS) {
            bonuses.push_back(newBonuses(quest));
            statistics.clear();
            for (const EndLevelStat* line : childrenOf<EndLevelStat>(quest->statsLayer))
                statistics.push_back(line->labelText->text + " " + formatString(line->format.c_str(), line->value));
        }
        if (session.game.currentGame() == quest && quest->state == Controller::STATE_HIGH_SCORES)
            row = pGlobal->profileManager.lastHighScorePosition;
    };
    std::vector<int> states = {Controller::STATE_TITLE, Controller::STATE_SAVED_GAME};
    // A right answer pays the match and extra bonuses, 15000 per
    // neighbourhood number, and nothing else: the house's score change.
    int32_t scoreBefore = 0;
    int32_t answerPays = -1;
    const auto checkAnswerPaid = [&](int house) {
        if (answerPays >= 0) {
            EXPECT_EQ(quest->playerData->score - scoreBefore, answerPays) << "after house " << house;
        }
        scoreBefore = quest->playerData->score;
    };
    // A challenge round lasts a second per apartment: 4 x 4 in the first
    // two neighbourhoods, then 4 x 5, 5 x 5 and 5 x 6.
    const float roundCells[] = {16, 16, 20, 20, 20, 25, 25, 30};
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        states.push_back(Controller::STATE_STREET);
        for (int house = 0; house < HouseProgression::neighbourhoodHouses[n]; ++house) {
            ASSERT_TRUE(session.waitForPlay()) << n << "-" << house;
            checkAnswerPaid(n * 10 + house);
            EXPECT_TRUE(session.record(MODE_QUEST).housesPlayed > 0 || n + house == 0) << "saved at each house";
            const bool challenge = house == HouseProgression::neighbourhoodHouses[n] - 1;
            answerPays = challenge && n >= 2 ? 15000 * (n + 1) : -1;
            if (challenge) {
                EXPECT_FLOAT_EQ(1.0f / quest->drainSpeed, roundCells[n]) << n;
            }
            EXPECT_EQ(quest->challengeRound, challenge);
            const size_t pairs = session.presentSmileys().size() / 2;
            // One slip in the first house: no eagle eye there.
            const bool slip = n + house == 0;
            if (slip) {
                const auto [a, b] = firstPair(session.presentSmileys(), false);
                session.click(a);
                session.click(b);
            }
            if (!challenge)
                session.match(perfectMatching(session.presentSmileys()));
            else if (n != 1)
                session.click(answer(session, n != 0));
            else
                pressKey(KEY_ESCAPE);
            const size_t ended = bonuses.size() + 1;
            ASSERT_TRUE(session.playUntil([&] { return bonuses.size() == ended; })) << n << "-" << house;
            const std::vector<int> paid = n < 2 ? std::vector<int>{} : std::vector<int>{5000 * (n + 1), 10000 * (n + 1)};
            const std::vector<int> cleared = slip ? std::vector<int>{3000} : std::vector<int>{3000, 5000};
            EXPECT_EQ(bonuses.back(), (challenge ? paid : cleared)) << n << "-" << house;
            if (!challenge) {
                const size_t efficiency = slip ? 100 * pairs / (pairs + 1) : 100;
                ASSERT_EQ(statistics.size(), 5u) << n << "-" << house;
                EXPECT_EQ(statistics[1].substr(statistics[1].size() - 4), " sec");
                EXPECT_EQ(std::vector<std::string>(statistics.begin() + 2, statistics.end()),
                          (std::vector<std::string>{"Matches " + std::to_string(pairs),
                                                    slip ? "Mistakes 1" : "Mistakes 0",
                                                    "Efficiency " + std::to_string(efficiency) + "%"}));
            }
            if (challenge) {
                EXPECT_EQ(quest->endCaption, n == 0 ? "no bonus!" : n == 1 ? "too slow!" : "well done!");
                EXPECT_NEAR(quest->houseEndTime - quest->houseStartTime, 16.0, n == 1 ? 0.06 : 16.0);
            }
            states.insert(states.end(), {Controller::STATE_HOUSE, Controller::STATE_CAPTION, Controller::STATE_PLAY,
                                         Controller::STATE_HOUSE_END, Controller::STATE_STATISTICS,
                                         Controller::STATE_NEXT_HOUSE});
        }
    }
    // The ending plays before the high-score table; its OK button leads there.
    ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextEnding>() != nullptr; }));
    session.game.stepSeconds(8.0);
    checkAnswerPaid(79);
    EXPECT_EQ(session.game.recorder.frames.back().music, "musicMenu");
    clickOn(session.shown<ContextEnding>()->okButton);
    const int score = quest->playerData->score;
    EXPECT_TRUE(session.closeHighScores());
    states.insert(states.end(), {Controller::STATE_HIGH_SCORES, Controller::STATE_CLOSING, Controller::STATE_FINISHED});
    EXPECT_EQ(session.states, states);
    EXPECT_EQ(session.record(MODE_QUEST).housesPlayed, 0) << "a finished journey cannot be continued";
    ASSERT_GE(row, 0);
    const HighScoreEntry& entry = pGlobal->hst.highScores[MODE_QUEST][row];
    EXPECT_STREQ(entry.name, "Tester");
    EXPECT_EQ(entry.score, score);
    EXPECT_EQ(entry.value2, 48) << "houses played";
    EXPECT_EQ(session.game.recorder.timesStarted("jingle06"), 2) << "the slip's and the wrong answer's";
}

// A clown among the leftovers has no body to turn white; it goes with them.
TEST(Quest, SmileysLeftOverFillTheLastSlotAndTheGameIsOver)
{
    GameSession session = GameSession::quick();
    GameHarness::seed(5);
    GameController* quest = session.continueFrom<Quest>(SavedGame{1, 0, 1, 20000, 10, 1, 9});
    ASSERT_TRUE(quest && session.waitForPlay());
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
    const FeatureBody* body = dynamic_cast<FeatureBody*>(session.presentSmileys().front()->features[0]);
    ASSERT_TRUE(session.playUntil([&] { return quest->timeInState >= 2.9; }));
    EXPECT_GT(body->breathTint, 0.9f) << "the leftovers turn white as they wait";
    ASSERT_TRUE(session.playUntil([&] { return quest->state == Controller::STATE_GAME_OVER; }));
    EXPECT_EQ(quest->playerData->usedSlots, 9 + leftOver + 1);
    EXPECT_FLOAT_EQ(quest->thermometer, 1.0f) << "the blobs have filled the thermometer";
    EXPECT_EQ(session.record(MODE_QUEST).housesPlayed, 0) << "a lost game is not offered again";
    EXPECT_TRUE(session.closeHighScores());
    for (const char* sound : {"honk", "voice11", "liquify", "gameover"})
        EXPECT_EQ(session.game.recorder.timesStarted(sound), 1) << sound;
}

// Left through Exit and "Are you sure?"; the "double score" vitamin waits
// under a dialog.
TEST(Quest, LeftGameIsContinuedAtItsHouseAlsoFromTheRosterFileAndDoubleScoreLastsThirtySecondsOfPlay)
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
    EXPECT_EQ(resumed->houseIndex, 1);
    EXPECT_EQ(resumed->playerData->score, score);
    EXPECT_EQ(resumed->playerData->usedSlots, slots);
    EXPECT_FLOAT_EQ(resumed->thermometer, static_cast<float>(slots) / 10.0f);

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
