// The numbers a player meets in each mode, read off the running game as the
// rules state them: what each mode's first house starts with, what each
// vitamin bought from the column does, how action mode's thermometer takes a
// match, a mistake and the passing time, and when multiplier bubbles come
// and go; what each neighbourhood and each difficulty step bring, what a
// house's end shows, which picture each help note shows, and the colours of
// the vitamins, the thermometer, the bubbles, the bonuses and the puzzle's
// path.
#include "EveryIndex.h"
#include "GameSession.h"
#include "ScreenPixels.h"
#include "SkinKey.h"

#include "FontQuad.h"
#include "Skin.h"
#include "board/Clown.h"
#include "board/Feature.h"
#include "board/House.h"
#include "board/Solution.h"
#include "board/SolutionPath.h"
#include "board/SolutionPathSegment.h"
#include "effects/CircleScore.h"
#include "effects/EndLevelStat.h"
#include "game/ContextMap.h"
#include "rules/HouseProgression.h"

#include <gmock/gmock.h>

#include <map>

namespace {

using namespace testsupport;
using Action = GameControllerTimeTrial;
using Puzzle = GameControllerPuzzle;
using Quest = GameControllerAdventure;

// Each vitamin's ball, in which its name is printed too. The hint's blue is
// lighter than pure blue, from which a name's black rim stands out too
// little to read.
const std::map<int, UColor> BALL_COLOURS = {
    {VITAMIN_HINT, UColor(80, 80, 255, 255)},        {VITAMIN_MULTIMATCH, UColor(0, 128, 255, 255)},
    {VITAMIN_DOUBLE_SCORE, UColor(255, 0, 255, 255)}, {VITAMIN_NEXT_STEP, UColor(0, 255, 255, 255)},
    {VITAMIN_SHOW_PATH, UColor(128, 255, 0, 255)},    {VITAMIN_TRY_AGAIN, UColor(0, 192, 0, 255)},
    {VITAMIN_MORE_TIME, UColor(255, 64, 0, 255)},     {VITAMIN_TIME_BOOST, UColor(255, 173, 0, 255)},
    {VITAMIN_CASH_OUT, UColor(255, 255, 255, 255)},   {VITAMIN_EMPTY_SLOT, UColor(192, 0, 0, 255)},
    {VITAMIN_EXTRA_LIFE, UColor(255, 255, 0, 255)},
};

// The key of a dialog's picture among the help pictures.
std::string pictureKey(const Skin* picture)
{
    return skinKey(picture, {{"help", 9}, {"help2", 8}, {"help3", 3}});
}

// The text lines a dialog shows, top to bottom.
std::vector<std::string> linesOf(const ContextDialogQX* dialog)
{
    std::vector<std::string> lines;
    for (const RenderableText* line : childrenOf<RenderableText>(dialog))
        lines.push_back(line->text);
    return lines;
}

// The colours of a popup's sprites in order: its star, then its glyphs.
std::vector<UColor> spriteColours(const KivBase* popup)
{
    std::vector<UColor> colours;
    for (const Renderable* sprite : childrenOf<Renderable>(popup))
        colours.push_back(sprite->color);
    return colours;
}

// Every sprite of a popup in the colour; else the first that is not.
::testing::AssertionResult allInColour(UColor expected, const KivBase* popup)
{
    const std::vector<UColor> colours = spriteColours(popup);
    if (colours.empty())
        return ::testing::AssertionFailure() << "no sprite";
    for (const UColor colour : colours)
        if (const ::testing::AssertionResult same = sameColor(expected, colour); !same)
            return same;
    return ::testing::AssertionSuccess();
}

// Points in the view's plane, as they print.
std::vector<std::pair<float, float>> placesOf(const std::vector<V3>& points)
{
    std::vector<std::pair<float, float>> places;
    for (const V3& point : points)
        places.emplace_back(point.x, point.y);
    return places;
}

// Clicks a, then b, leaving on top what the second click brings up.
void pairUp(GameSession& session, const Smiley* a, const Smiley* b)
{
    ASSERT_TRUE(a && b);
    session.click(a);
    clickAt(b->halo.boundsCentre.x, b->halo.boundsCentre.y, session.controller->scene);
}

// A new game of the mode started as the mode screen starts it, its saved
// game cleared, not yet stepped.
GameController* startOnly(GameSession& session, GameMode mode)
{
    GameSession::record(mode) = SavedGame{};
    GameHarness::seed(7);
    if (mode == MODE_ACTION)
        return session.start<Action>();
    if (mode == MODE_QUEST)
        return session.start<Quest>();
    return session.start<Puzzle>();
}

// A new game's first house in each mode. The help is off here and in every
// test below but the help notes', so that no dialog stops the game's clock.
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
        // At a thermometer about half full, then full and empty.
        UColor thermometer, full, empty;
    } modes[] = {
        {MODE_ACTION, "action mode", 3, {0, 8, 3, 9, 13, 11}, 0, 0.1f, 0.15f, 1.0f / 120.0f, 1.0f, "musicGame3",
         "level clear!", true, true, UColor(223, 127, 0, 255), UColor(255, 255, 0, 255), UColor(192, 0, 0, 255)},
        {MODE_QUEST, "quest mode", 1, {0, 2, 12, 3, 11}, 10, 0.05f, 0.15f, 0.0f, 1.0f, "musicGame2", "house clear!",
         false, true, UColor(0, 64, 255, 255), UColor(0, 64, 255, 255), UColor(0, 64, 255, 255)},
        {MODE_PUZZLE, "puzzle mode", 5, {5, 3, 7, 6, 13, 11}, 0, 0.0f, 0.1f, 0.0f, 0.5f, "musicGame1",
         "puzzle complete!", true, false, UColor(255, 255, 255, 255), UColor(255, 255, 255, 255),
         UColor(255, 255, 255, 255)},
    };
    for (const auto& row : modes) {
        SCOPED_TRACE(row.caption);
        GameSession session = GameSession::quick(false);
        GameController* game = session.startNewGame(row.mode, 8);
        EXPECT_EQ(game->modeName, row.caption);
        EXPECT_EQ(game->playerData->lives, row.lives);
        std::vector<int> column;
        for (const Orb* orb : childrenOf<Orb>(game->hud->vitamins)) {
            column.push_back(orb->kind);
            EXPECT_TRUE(sameColor(BALL_COLOURS.at(orb->kind), orb->colour)) << orb->name;
        }
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
        // Full wins an action house and empty costs a life there; the colour
        // follows in any state.
        for (const auto& [level, colour] : {std::make_pair(1.0f, row.full), std::make_pair(0.0f, row.empty)}) {
            game->thermometer = level;
            session.game.step();
            EXPECT_TRUE(sameColor(colour, game->hud->thermometerColour, 1)) << "at " << level;
        }
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
    const double dt = session.game.stepped.dt;
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
    // Each number in its own colour.
    const std::pair<int, UColor> rings[] = {{2, UColor(64, 128, 64, 255)},
                                            {3, UColor(64, 255, 64, 255)},
                                            {4, UColor(192, 255, 64, 255)},
                                            {5, UColor(255, 255, 128, 255)}};
    for (const auto& [number, colour] : rings) {
        for (Smiley* smiley : session.presentSmileys())
            if (!smiley->bubble) {
                smiley->showMultiplierBubble(number, 8.0);
                EXPECT_TRUE(allInColour(colour, smiley->bubble)) << number;
                break;
            }
    }
    session.leave();
}

// Each neighbourhood as the player comes to it: the journey map with a
// marker on every neighbourhood before it and the arrow come to rest over
// it, the introduction with its picture, its name and what its smileys care
// about, the street sign, and which of body, hair and brows vary among its
// smileys (eyes and mouths always do). The first is a new game, the others
// games continued at their first house.
TEST(ModeFigures, EachNeighbourhoodHasItsPlaceOnTheMapIntroductionSignAndFeaturesThatVary)
{
    const struct {
        const char* name;
        V3 onTheMap;
        const char* nameLine;
        const char* caresLine;
        bool body, hair, brows;
        // Of the neighbourhoods before it.
        int housesBefore;
    } neighbourhoods[] = {
        {"Easy Street", V3(-185.0f, 35.0f, 0.0f), "on Easy Street.", "eyes and mouths,", false, false, false, 0},
        {"Leasurely Lane", V3(-115.0f, 50.0f, 0.0f), "on Leasurely Lane.", "when somebody copies their hair style,",
         false, true, false, 4},
        {"Cozy Alley", V3(-50.0f, 55.0f, 0.0f), "on Cozy Alley.", "by changing their body color.", true, false,
         false, 8},
        {"Middle Road", V3(-95.0f, 20.0f, 0.0f), "neighborhood on Middle Road.",
         "on their unique eyebrow expressions!", false, false, true, 13},
        {"Tricky Terrace", V3(-10.0f, -50.0f, 0.0f), "Our next stop is Tricky Terrace.",
         "to have different hair as well as", true, true, false, 18},
        {"Hard Way", V3(120.0f, -70.0f, 0.0f), "neighborhood on Hard Way.", "as well as different eyebrows!", true,
         false, true, 24},
        {"Ludicrous Lane", V3(85.0f, -15.0f, 0.0f), "Ludicrous Lane.", "their hair and their eyebrows,", false, true,
         true, 31},
        {"Impassable Pass", V3(115.0f, 35.0f, 0.0f), "reached the Impassable Pass.", "different: hair, body color,",
         true, true, true, 39},
    };
    GameSession session = GameSession::quick(false);
    const Skin* marker = pKiv->pResourceManager->findAs<Skin>("intro1:11");
    std::vector<V3> reached;
    for (int n = 0; n < HouseProgression::NEIGHBOURHOOD_COUNT; ++n) {
        const auto& row = neighbourhoods[n];
        SCOPED_TRACE(row.name);
        GameController* quest = n == 0 ? startOnly(session, MODE_QUEST)
                                       : session.continueFrom<Quest>(SavedGame{row.housesBefore, n, 0, 0, 0, 1, 0});
        ASSERT_NE(quest, nullptr);
        ASSERT_TRUE(session.game.stepUntil([&] { return session.shown<ContextMap>() != nullptr; }));
        ContextMap* map = session.shown<ContextMap>();
        // The sign put up as the street came into view (taken down once play
        // begins and it has scrolled out).
        std::vector<std::string> signs;
        for (const RenderableText* sign : childrenOf<RenderableText>(quest->sceneryLayer))
            signs.push_back(sign->text);
        EXPECT_THAT(signs, ::testing::Contains(row.name));
        std::vector<V3> marked;
        for (const Renderable* piece : childrenOf<Renderable>(map))
            if (piece->pSkin == marker)
                marked.push_back(piece->position);
        EXPECT_EQ(placesOf(marked), placesOf(reached));
        session.game.stepUntil([&] { return map->t >= 4.1; });
        EXPECT_NEAR(map->arrow->position.x, row.onTheMap.x, 0.5f);
        EXPECT_NEAR(map->arrow->position.y, row.onTheMap.y + 50.0f, 0.5f);
        ASSERT_TRUE(session.closeDialog());
        ASSERT_NE(session.dialog(), nullptr) << "no introduction";
        EXPECT_EQ(pictureKey(session.dialog()->separatorSkin), "help2:" + std::to_string(n));
        EXPECT_THAT(linesOf(session.dialog()), ::testing::IsSupersetOf({row.nameLine, row.caresLine}));
        ASSERT_TRUE(session.waitForPlay());
        const std::vector<Smiley*> smileys = session.presentSmileys();
        ASSERT_FALSE(smileys.empty());
        EXPECT_TRUE(everyIndex(smileys.size(), [&](size_t i) {
            const Smiley* smiley = smileys[i];
            return smiley->isClown ||
                   (smiley->features[0]->relevant == row.body && smiley->features[1]->relevant &&
                    smiley->features[2]->relevant && smiley->features[3]->relevant == row.hair &&
                    smiley->features[4]->relevant == row.brows);
        })) << "the body, eyes and mouth, hair and brows of every smiley";
        reached.push_back(row.onTheMap);
        session.leave();
    }
}

// At the end of a house its statistics lines stand one under another, 25
// units apart from 50 above the middle, and its bonus popups in a row, each
// in its bonus's colour: a quest house cleared without a slip pays the clear
// bonus and the eagle eye; the challenge round of "Leasurely Lane" answered
// at once the match and the extra bonus.
TEST(ModeFigures, AHousesEndShowsItsLinesInTheirRowsAndEachBonusInItsColour)
{
    struct Bonus {
        int points;
        UColor colour;
    };
    const struct {
        const char* what;
        // Nothing played: a new game.
        SavedGame saved;
        std::vector<std::pair<std::string, float>> lines;
        // Left to right.
        std::vector<Bonus> bonuses;
    } ends[] = {
        {"an ordinary house cleared",
         SavedGame{},
         {{"Points collected", 50.0f}, {"Time taken", 25.0f}, {"Matches", 0.0f}, {"Mistakes", -25.0f},
          {"Efficiency", -50.0f}},
         {{3000, UColor(255, 0, 128, 255)}, {5000, UColor(0, 128, 255, 255)}}},
        {"a challenge round answered",
         SavedGame{7, 1, 3, 0, 0, 1, 0},
         {},
         {{20000, UColor(192, 255, 0, 255)}, {10000, UColor(255, 255, 0, 255)}}},
    };
    for (const auto& row : ends) {
        SCOPED_TRACE(row.what);
        GameSession session = GameSession::quick(false);
        GameController* quest =
            row.saved.housesPlayed == 0 ? session.startNew<Quest>(5) : session.continueFrom<Quest>(row.saved);
        ASSERT_TRUE(quest && session.waitForPlay());
        if (quest->challengeRound)
            session.click(session.challengeAnswer(true));
        else
            session.match(perfectMatching(session.presentSmileys()));
        ASSERT_TRUE(session.playUntil([&] { return quest->state == GameController::STATE_STATISTICS; }));
        std::vector<std::pair<std::string, float>> lines;
        for (const EndLevelStat* line : childrenOf<EndLevelStat>(quest->statsLayer)) {
            lines.emplace_back(line->labelText->text, line->labelText->position.y);
            EXPECT_EQ(line->valueText->position.y, line->labelText->position.y) << line->labelText->text;
        }
        EXPECT_EQ(lines, row.lines);
        std::vector<CircleScore*> popups = childrenOf<CircleScore>(quest->bonusLayer);
        std::sort(popups.begin(), popups.end(),
                  [](const CircleScore* a, const CircleScore* b) { return a->position.x < b->position.x; });
        ASSERT_EQ(popups.size(), row.bonuses.size());
        for (size_t k = 0; k < popups.size(); ++k) {
            EXPECT_EQ(popups[k]->points, row.bonuses[k].points) << k;
            EXPECT_TRUE(allInColour(row.bonuses[k].colour, popups[k])) << row.bonuses[k].points;
        }
        session.leave();
    }
}

// Each help note the first time its situation comes, with the help setting
// on, found by a line of its text: its title and its picture.
TEST(ModeFigures, EachHelpNoteComesWithItsOwnPicture)
{
    const struct {
        const char* what;
        GameMode mode;
        // Nothing played: a new game.
        SavedGame saved;
        // Brings the situation about once play has begun; null: the start
        // of the game brings it.
        void (*cause)(GameSession&);
        const char* line;
        const char* title;
        const char* picture;
    } notes[] = {
        {"how to play action mode", MODE_ACTION, {}, nullptr, "Match pairs of smileys until", "how to play",
         "help3:1"},
        {"how to play quest mode", MODE_QUEST, {}, nullptr, "Match all smileys in the house.", "how to play",
         "help3:2"},
        {"how to play puzzle mode", MODE_PUZZLE, {}, nullptr, "Solve each puzzle by connecting", "how to play",
         "help3:0"},
        {"a mistake", MODE_QUEST, {},
         [](GameSession& session) {
             const auto [a, b] = firstPair(session.presentSmileys(), false);
             pairUp(session, a, b);
         },
         "You can only match smileys", "", "help:3"},
        {"smileys left without a match", MODE_QUEST, {},
         [](GameSession& session) {
             std::vector<std::pair<Smiley*, Smiley*>> pairs = strandingMatching(session.presentSmileys());
             ASSERT_FALSE(pairs.empty());
             const auto [a, b] = pairs.back();
             pairs.pop_back();
             session.match(pairs);
             pairUp(session, a, b);
         },
         "Some smileys have been", "", "help:4"},
        {"a challenge round", MODE_QUEST, {3, 0, 3, 0, 0, 1, 0}, nullptr, "Find the matching smiley", "", "help:8"},
        {"a life lost", MODE_ACTION, {}, [](GameSession& session) { session.controller->thermometer = 0.0f; },
         "You have lost a life", "", "help:1"},
    };
    for (const auto& note : notes) {
        SCOPED_TRACE(note.what);
        GameSession session = GameSession::quick(true);
        GameController* game =
            note.saved.housesPlayed == 0 ? startOnly(session, note.mode) : session.continueGame(note.mode, note.saved);
        ASSERT_NE(game, nullptr);
        if (note.cause) {
            ASSERT_TRUE(session.waitForPlay());
            note.cause(session);
        }
        const auto shown = [&] {
            if (!session.dialog())
                return false;
            const std::vector<std::string> lines = linesOf(session.dialog());
            return std::find(lines.begin(), lines.end(), note.line) != lines.end();
        };
        ASSERT_TRUE(session.playUntil(shown, 2000));
        EXPECT_EQ(session.dialog()->title, note.title);
        EXPECT_EQ(pictureKey(session.dialog()->separatorSkin), note.picture);
        session.leave();
    }
}

// Each difficulty step makes every smiley worth 125 more and, on the last
// ordinary house of a neighbourhood, the smileys harder: by 0.05 in quest
// mode, by 0.1 in action mode (from 0.5 at the default setting). Continued
// at the third house of "Easy Street".
TEST(ModeFigures, EachDifficultyStepMakesSmileysWorthMoreAndTheLastHousesHarder)
{
    const struct {
        const char* what;
        GameMode mode;
        int difficulty;
        // A pair matched without a bubble or a chain.
        int32_t pair;
        float hardness;
    } steps[] = {
        {"quest mode at 1", MODE_QUEST, 1, 500, 0.55f},
        {"action mode at 2", MODE_ACTION, 2, 750, 0.7f},
        {"quest mode at 3", MODE_QUEST, 3, 1000, 0.65f},
        {"action mode at 3", MODE_ACTION, 3, 1000, 0.8f},
    };
    GameHarness::get();
    const int32_t setting = pGlobal->hst.startingLevel;
    for (const auto& row : steps) {
        SCOPED_TRACE(row.what);
        pGlobal->hst.startingLevel = row.difficulty;
        GameSession session = GameSession::quick(false);
        GameController* game = session.continueGame(row.mode, SavedGame{2, 0, 2, 0, 0, 3, 0});
        ASSERT_TRUE(game && session.waitForPlay());
        EXPECT_NEAR(game->houseHardness, row.hardness, 1e-6);
        // No bubble meanwhile.
        game->nextBubble = game->t + 1000.0;
        const auto [a, b] = firstPair(session.presentSmileys());
        session.match({{a, b}});
        EXPECT_EQ(game->playerData->score, row.pair);
        session.leave();
    }
    pGlobal->hst.startingLevel = setting;
}

// Each step of a puzzle's chain is drawn in green as it is made.
TEST(ModeFigures, APuzzleChainIsDrawnGreenAsItGrows)
{
    GameSession session = GameSession::quick(false);
    Puzzle* puzzle = session.startNew<Puzzle>(4);
    const std::vector<Smiley*> chain = session.presentSmileys();
    session.match({{chain[0], chain[1]}});
    ASSERT_EQ(childrenOf<SolutionPathSegment>(puzzle->solutionPath).size(), 1u);
    // Three steps more along the puzzle's solution.
    const Solution* solution = getMyGlobal()->solutions[puzzle->difficulty][puzzle->housesPlayed];
    std::vector<const Smiley*> along;
    for (int step = 0; step < 5; ++step) {
        int x, y;
        solution->getCell(step, &x, &y);
        along.push_back(puzzle->getSmileyInApartment(puzzle->house->getApartmentByXY(x, y)));
    }
    ASSERT_TRUE(along[0] == chain[0] && along[1] == chain[1]) << "the chain began along the solution";
    for (int step = 2; step < 5; ++step)
        session.click(along[static_cast<size_t>(step)]);
    const std::vector<SolutionPathSegment*> steps = childrenOf<SolutionPathSegment>(puzzle->solutionPath);
    ASSERT_EQ(steps.size(), 4u);
    EXPECT_TRUE(
        everyIndex(steps.size(), [&](size_t i) { return sameColor(UColor(128, 192, 0, 255), steps[i]->color); }));
    session.leave();
}

// Two clowns matched: a silver star, "circus bonus!" in red and its points
// in blue.
TEST(ModeFigures, TheCircusBonusShowsItsStarNameAndPointsInTheirColours)
{
    GameSession session = GameSession::quick(false);
    GameController* quest = session.startNew<Quest>(4);
    Clown first, second;
    quest->checkCircusBonus(&first, &second);
    const std::vector<CircleScore*> popups = childrenOf<CircleScore>(quest->effectLayer);
    ASSERT_EQ(popups.size(), 1u);
    const std::vector<UColor> colours = spriteColours(popups[0]);
    // A sprite for each of the name's and the points' marks the font has.
    const FontQuad* font = pKiv->pResourceManager->findAs<FontQuad>("fontHUD");
    const auto marks = [font](const std::string& text) {
        return static_cast<size_t>(
            std::count_if(text.begin(), text.end(), [font](char c) { return font->getSymbolData(c).pQuad; }));
    };
    const size_t name = marks("circus bonus!");
    ASSERT_EQ(colours.size(), 1 + name + marks("25,000"));
    const UColor star(192, 192, 192, 255), red(255, 0, 0, 255), blue(0, 0, 255, 255);
    EXPECT_TRUE(everyIndex(colours.size(), [&](size_t i) {
        return sameColor(i == 0 ? star : i <= name ? red : blue, colours[i]);
    })) << "the star, the name and the points";
    session.leave();
}

}
