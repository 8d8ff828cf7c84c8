// The numbers a player meets in each mode, read off the running game as the
// rules state them: what each mode's first house starts with, what each
// vitamin bought from the column does, how action mode's thermometer takes a
// match, a mistake and the passing time, and when multiplier bubbles come
// and go.
#include "GameSession.h"
#include "ScreenPixels.h"

#include <map>

namespace {

using namespace testsupport;
using Action = GameControllerTimeTrial;

// A new game's first house in each mode. The help is off here and in every
// test below, so that no dialog stops the game's clock.
TEST(ModeFigures, EachModesFirstHouseStartsWithItsOwnLivesVitaminsChancesAndTimers)
{
    const struct {
        GameMode mode;
        const char* caption;
        int lives;
        std::vector<int> vitamins;
        int slots;
        float clownChance, coinChance, drain, matchPitch;
        const char* track;
        const char* clearCaption;
        bool livesShown, thermometerShown;
        // At a thermometer about half full.
        UColor thermometer;
    } modes[] = {
        {MODE_ACTION, "action mode", 3, {0, 8, 3, 9, 13, 11}, 0, 0.1f, 0.15f, 1.0f / 120.0f, 1.0f, "musicGame3",
         "level clear!", true, true, UColor(223, 127, 0, 255)},
        {MODE_QUEST, "quest mode", 1, {0, 2, 12, 3, 11}, 10, 0.05f, 0.15f, 0.0f, 1.0f, "musicGame2", "house clear!",
         false, true, UColor(0, 64, 255, 255)},
        {MODE_PUZZLE, "puzzle mode", 5, {5, 3, 7, 6, 13, 11}, 0, 0.0f, 0.1f, 0.0f, 0.5f, "musicGame1",
         "puzzle complete!", true, false, UColor(255, 255, 255, 255)},
    };
    for (const auto& row : modes) {
        SCOPED_TRACE(row.caption);
        GameSession session = GameSession::quick(false);
        GameController* game = session.startNewGame(row.mode, 8);
        EXPECT_EQ(game->modeName, row.caption);
        EXPECT_EQ(game->playerData->lives, row.lives);
        std::vector<int> column;
        for (const Orb* orb : childrenOf<Orb>(game->hud->vitamins))
            column.push_back(orb->kind);
        EXPECT_EQ(column, row.vitamins);
        EXPECT_EQ(game->hud->slotCount, row.slots);
        EXPECT_FLOAT_EQ(game->clownChance, row.clownChance);
        EXPECT_FLOAT_EQ(game->coinChance, row.coinChance);
        EXPECT_FLOAT_EQ(game->drainSpeed, row.drain);
        EXPECT_FLOAT_EQ(game->matchPitch, row.matchPitch);
        EXPECT_EQ(session.game.recorder.frames.back().music, row.track);
        EXPECT_EQ(game->endCaption, row.clearCaption);
        EXPECT_EQ(game->hud->showLives, row.livesShown);
        EXPECT_EQ(game->hud->showThermometer, row.thermometerShown);
        EXPECT_TRUE(game->hud->showVitamins);
        EXPECT_TRUE(sameColor(row.thermometer, game->hud->thermometerColour, 4));
        // A bubble every 2 to 24 8/59 s on the first house, each for 8 s; no
        // smiley gets impatient within a game.
        EXPECT_DOUBLE_EQ(game->bubbleMin, 2.0);
        EXPECT_FLOAT_EQ(static_cast<float>(game->bubbleMax), 24.0f + 8.0f / 59.0f);
        EXPECT_DOUBLE_EQ(game->bubbleTime, 8.0);
        EXPECT_GE(game->nextImpatience - game->t, 999999.0);
        session.leave();
    }
}

// What the player can read off the game: the thermometer's level, the lives,
// the score, the used slots and the score multiplier.
struct Figures {
    float thermometer;
    int lives;
    int32_t score;
    int slots;
    int multiplier;
};

// Each vitamin clicked in the column with exactly its price in coins; the
// game is left to run on its own meanwhile (action mode's drain stopped).
TEST(ModeFigures, EachVitaminBoughtFromTheColumnCostsItsPriceAndDoesWhatItSays)
{
    const struct {
        GameMode mode;
        int kind, price;
        Figures before, after;
    } buys[] = {
        {MODE_ACTION, VITAMIN_MORE_TIME, 120, {0.2f, 3, 1000, 0, 1}, {0.45f, 3, 1000, 0, 1}},
        {MODE_ACTION, VITAMIN_TIME_BOOST, 200, {0.2f, 3, 1000, 0, 1}, {0.7f, 3, 1000, 0, 1}},
        {MODE_ACTION, VITAMIN_EXTRA_LIFE, 300, {0.2f, 3, 1000, 0, 1}, {0.2f, 4, 1000, 0, 1}},
        {MODE_ACTION, VITAMIN_CASH_OUT, 350, {0.2f, 3, 1000, 0, 2}, {0.2f, 3, 251000, 0, 2}},
        {MODE_QUEST, VITAMIN_EMPTY_SLOT, 100, {0.3f, 1, 1000, 3, 1}, {0.2f, 1, 1000, 2, 1}},
        {MODE_QUEST, VITAMIN_DOUBLE_SCORE, 150, {0.3f, 1, 1000, 3, 1}, {0.3f, 1, 1000, 3, 2}},
        {MODE_PUZZLE, VITAMIN_EXTRA_LIFE, 300, {0.0f, 5, 1000, 0, 1}, {0.0f, 6, 1000, 0, 1}},
        {MODE_PUZZLE, VITAMIN_CASH_OUT, 350, {0.0f, 5, 0, 0, 1}, {0.0f, 5, 250000, 0, 1}},
    };
    for (const auto& buy : buys) {
        SCOPED_TRACE(std::to_string(buy.kind) + " in mode " + std::to_string(buy.mode));
        GameSession session = GameSession::quick(false);
        GameController* game = session.startNewGame(buy.mode, 6);
        if (Action* action = dynamic_cast<Action*>(game))
            action->baseDrain = action->drainSpeed = 0.0f;
        PlayerData* player = game->playerData;
        game->thermometer = buy.before.thermometer;
        player->lives = buy.before.lives;
        player->score = buy.before.score;
        player->usedSlots = buy.before.slots;
        player->setMultiplier(buy.before.multiplier, 999.0);
        player->coins = buy.price;
        ASSERT_TRUE(session.buyVitamin(buy.kind));
        EXPECT_EQ(player->coins, 0);
        EXPECT_NEAR(game->thermometer, buy.after.thermometer, 1e-5);
        EXPECT_EQ(player->lives, buy.after.lives);
        EXPECT_EQ(player->score, buy.after.score);
        EXPECT_EQ(player->usedSlots, buy.after.slots);
        EXPECT_EQ(player->multiplier, buy.after.multiplier);
        session.leave();
    }
}

// "multimatch" pairs the selected smiley with its first three partners of
// the house, however many it has.
TEST(ModeFigures, MultimatchMatchesTheSelectionWithThreePartnersAtMost)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    const std::vector<Smiley*> present = session.presentSmileys();
    Smiley* chosen = nullptr;
    for (Smiley* smiley : present)
        if (std::count_if(present.begin(), present.end(),
                          [&](Smiley* other) { return smiley->canMatch(other, false); }) > 3)
            chosen = smiley;
    ASSERT_NE(chosen, nullptr);
    session.click(chosen);
    quest->playerData->coins = 80;
    ASSERT_TRUE(session.buyVitamin(VITAMIN_MULTIMATCH));
    EXPECT_EQ(quest->matches, 3);
    EXPECT_EQ(quest->playerData->coins, 0);
    session.leave();
}

// "hint" points for a second at two smileys of the house that can be
// matched, 80 units over each.
TEST(ModeFigures, HintPointsOutOneMatchablePairForASecond)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 6);
    quest->playerData->coins = 30;
    ASSERT_TRUE(session.buyVitamin(VITAMIN_HINT));
    EXPECT_EQ(quest->playerData->coins, 0);
    std::vector<Smiley*> pointed;
    for (const ArrowMessage* arrow : childrenOf<ArrowMessage>(quest->effectLayer)) {
        EXPECT_NEAR(arrow->lifetime, 1.0, 0.1) << "left of its second";
        for (Smiley* smiley : session.presentSmileys())
            if (arrow->position == smiley->position + V3(0.0f, 80.0f, 0.0f))
                pointed.push_back(smiley);
    }
    ASSERT_EQ(pointed.size(), 2u);
    EXPECT_TRUE(pointed[0]->canMatch(pointed[1], false));
    session.leave();
}

// A match fills what 15 (on the first houses) to 30 (on the sixtieth)
// matches fill, three more per difficulty step; a mistake empties 0.65 of
// that. The drain is stopped to see them alone.
TEST(ModeFigures, ActionMatchFillsAndMistakeEmptiesTheThermometerByTheHousesShare)
{
    const struct {
        int difficulty;
        // 0: a new game.
        int housesPlayed, neighbourhood, house;
        float gain;
    } houses[] = {
        {0, 0, 0, 0, 1.0f / (15.0f - 15.0f / 59.0f)},
        {0, 29, 5, 5, 1.0f / (15.0f + 15.0f * 28.0f / 59.0f)},
        {2, 0, 0, 0, 1.0f / (21.0f - 15.0f / 59.0f)},
    };
    GameHarness::get();
    const int32_t setting = pGlobal->hst.startingLevel;
    for (const auto& row : houses) {
        SCOPED_TRACE(row.housesPlayed);
        pGlobal->hst.startingLevel = row.difficulty;
        GameSession session = GameSession::quick(false);
        Action* action =
            row.housesPlayed == 0
                ? session.startNew<Action>(4)
                : session.continueFrom<Action>(SavedGame{row.housesPlayed, row.neighbourhood, row.house, 0, 0, 3, 0});
        ASSERT_TRUE(action && session.waitForPlay());
        action->baseDrain = action->drainSpeed = 0.0f;
        action->thermometer = 0.5f;
        const auto [a, b] = firstPair(session.presentSmileys(), false);
        session.match({{a, b}});
        EXPECT_NEAR(action->thermometer, 0.5f - 0.65f * row.gain, 1e-5) << "a mistake";
        const auto [c, d] = firstPair(session.presentSmileys());
        session.match({{c, d}});
        EXPECT_NEAR(action->thermometer, 0.5f + 0.35f * row.gain, 1e-5) << "then a match";
        session.leave();
    }
    pGlobal->hst.startingLevel = setting;
}

// On the first house the drain keeps 1/120 a second for a minute, then grows
// in proportion to the time played (kept from running out meanwhile).
TEST(ModeFigures, ActionDrainKeepsItsPaceForAMinuteOfTheFirstHouseThenGrows)
{
    GameSession session = GameSession::quick(false);
    Action* action = session.startNew<Action>(4);
    for (const auto& [seconds, drain] :
         {std::make_pair(59.0, 1.0f), std::make_pair(90.0, 1.5f), std::make_pair(120.0, 2.0f)}) {
        while (action->timeInState < seconds) {
            action->thermometer = 0.5f;
            session.game.step();
        }
        EXPECT_NEAR(action->drainSpeed, drain / 120.0f, 1e-4f) << seconds;
    }
    session.leave();
}

// A quest house left alone for a minute and a half: the bubble timer comes
// due 2 to 24 8/59 s after it was last set, a bubble comes only then, numbered
// 2 to 5, and each shows for 8 s.
TEST(ModeFigures, MultiplierBubblesComeTwoToTwentyFourSecondsApartAndShowForEight)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNewGame(MODE_QUEST, 12);
    const double dt = session.game.driver.dt;
    std::map<const Smiley*, double> shownSince;
    int bubbles = 0;
    while (quest->timeInState < 90.0) {
        const double due = quest->nextBubble;
        session.game.step();
        const bool set = quest->nextBubble != due;
        if (set) {
            EXPECT_GE(quest->t, due);
            EXPECT_LT(quest->t - dt, due);
            EXPECT_GE(quest->nextBubble - quest->t, 2.0);
            EXPECT_LE(quest->nextBubble - quest->t, 24.0 + 8.0 / 59.0 + 1e-5);
        }
        for (const Smiley* smiley : childrenOf<Smiley>(quest->smileyLayer)) {
            const auto since = shownSince.find(smiley);
            if (smiley->bubble && since == shownSince.end()) {
                ++bubbles;
                EXPECT_TRUE(set) << "a bubble at " << quest->t << " with the timer not due";
                EXPECT_TRUE(smiley->bubble->value >= 2 && smiley->bubble->value <= 5) << smiley->bubble->value;
                shownSince[smiley] = quest->t;
            } else if (!smiley->bubble && since != shownSince.end()) {
                EXPECT_NEAR(quest->t - since->second, 8.0, dt + 1e-6);
                shownSince.erase(since);
            }
        }
    }
    EXPECT_GE(bubbles, 3);
    session.leave();
}

}
