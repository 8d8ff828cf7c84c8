// A smiley in play: its clicks reach the game, it leaves with or without a
// penalty, it pays its points and coins (its coin draws, and those of a
// chain and of a right challenge answer, counted at chances between 0 and
// 1), it runs out of breath, a clown's exit and eyes, and the chain and
// circus bonuses a match pays; a dropped coin falls from above the view,
// bounces once, and is collected on its second landing or by a click,
// crediting the game once, and flies to the view's top-left corner.
#include "BoardTestSupport.h"
#include "ScreenPixels.h"
#include "DrawnRange.h"

#include "RenderableText.h"
#include "board/Clown.h"
#include "board/Coin.h"
#include "board/FeatureBody.h"
#include "effects/CircleScore.h"

namespace boardtest {
namespace {

// Engine time of the sound's last start: sounds played between frames are
// not seen by the frame recorder.
double lastStart(const char* key)
{
    return pKiv->pResourceManager->findAs<Sound>(key)->lastStartTime;
}

using SmileyPlay = BoardTest;

enum Stage { HIDDEN, APPEARING, PRESENT, LEAVING };

TEST_F(SmileyPlay, AClickThroughTheInputReachesTheGameOnlyFromAPresentSelectableSmiley)
{
    const struct {
        const char* name;
        Stage stage;
        bool bSelectable;
        float clickOffset;
        bool bReported;
    } rows[] = {
        {"present", PRESENT, true, 0.0f, true},
        {"present, clicked off the centre of its face", PRESENT, true, 30.0f, true},
        {"present, clicked beside it", PRESENT, true, 90.0f, false},
        {"not selectable", PRESENT, false, 0.0f, false},
        {"appearing", APPEARING, true, 0.0f, false},
        {"leaving", LEAVING, true, 0.0f, false},
    };
    for (const auto& row : rows) {
        Smiley* smiley = placeSmiley(row.stage >= PRESENT);
        if (row.stage == APPEARING)
            smiley->setState(Smiley::STATE_APPEARING);
        if (row.stage == LEAVING)
            smiley->dismiss();
        smiley->selectable = row.bSelectable;
        game->clicked.clear();
        clickAt(smiley->halo.boundsCentre.x + row.clickOffset, smiley->halo.boundsCentre.y, screenOf(smiley));
        harness->step();
        EXPECT_EQ(game->clicked, row.bReported ? std::vector<Smiley*>{smiley} : std::vector<Smiley*>{}) << row.name;
        game->smileyLayer->deleteAllChildren();
    }
}

// A hidden smiley is gone at once; the others shut their doors first. A
// matched one goes to the match history rather than being deleted.
TEST_F(SmileyPlay, LeavingCostsAHundredOnceOnlyForAPresentSmileyOutsideAChallengeRound)
{
    const struct {
        const char* name;
        Stage stage;
        bool bChallengeRound, bPenalty;
        int expectedScore;
        bool bMatched;
    } rows[] = {
        {"present, with penalty", PRESENT, false, true, 900, false},
        {"present, without penalty", PRESENT, false, false, 1000, false},
        {"present, in a challenge round", PRESENT, true, true, 1000, false},
        {"appearing", APPEARING, false, true, 1000, false},
        {"hidden", HIDDEN, false, true, 1000, false},
        {"matched", PRESENT, false, false, 1000, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Smiley* smiley = placeSmiley(row.stage == PRESENT);
        if (row.stage == APPEARING)
            smiley->setState(Smiley::STATE_APPEARING);
        if (row.bMatched)
            smiley->destination = game->matchHistory;
        game->challengeRound = row.bChallengeRound;
        game->playerData->score = 1000;
        smiley->leave(row.bPenalty);
        EXPECT_EQ(smiley->state, row.stage == HIDDEN ? 4 : 3);
        if (row.stage != HIDDEN)
            smiley->leave(row.bPenalty);
        EXPECT_EQ(game->playerData->score, row.expectedScore);
        harness->stepSeconds(0.6);
        EXPECT_EQ(game->smileyLayer->getChildCount(), 0);
        EXPECT_EQ(game->matchHistory->getChildCount(), row.bMatched ? 1 : 0);
    }
}

// A collected bubble fades out among the effects.
TEST_F(SmileyPlay, AMatchedSmileyPaysItsPointsTimesItsBubbleAndDrawsACoinPerStepOfIt)
{
    for (const auto& [bubble, coinChance, coins] : {
             std::make_tuple(0, 1.0f, 1),
             std::make_tuple(0, 0.0f, 0),
             std::make_tuple(3, 1.0f, 3),
             std::make_tuple(5, 0.0f, 0),
         }) {
        Smiley* smiley = placeSmiley(true);
        if (bubble > 0)
            smiley->showMultiplierBubble(bubble, 10.0);
        game->coinChance = coinChance;
        const int effects = game->effectLayer->getChildCount();
        EXPECT_EQ(smiley->collectMatchReward(), std::max(bubble, 1) * smiley->value) << bubble;
        EXPECT_EQ(game->coinLayer->getChildCount(), coins) << bubble;
        EXPECT_EQ(smiley->bubble, nullptr);
        EXPECT_EQ(game->effectLayer->getChildCount(), effects + (bubble > 0 ? 1 : 0)) << bubble;
        game->coinLayer->deleteAllChildren();
        game->smileyLayer->deleteAllChildren();
    }
}

// Counted over many matches of one smiley on a fixed seed, at chances
// strictly between 0 and 1: the i-th draw of a bubble's n has i times the
// chance (certain from 1 on); each coin lands within 40 units of the smiley,
// starts 64 to 128 units over the view at any point of its spin, and is
// small or gold by a coin toss.
TEST_F(SmileyPlay, EachCoinDrawOfABubbleHasItsStepTimesTheChanceAndACoinLandsWithinFortyUnits)
{
    constexpr int MATCHES = 400;
    const struct {
        int bubble;
        float coinChance;
        double coinsPerMatch;
    } rows[] = {
        {0, 0.3f, 0.3},
        {3, 0.15f, 0.15 + 0.30 + 0.45},
        {5, 0.3f, 0.3 + 0.6 + 0.9 + 1.0 + 1.0},
    };
    Smiley* smiley = placeSmiley(true);
    const float top = game->scene->pCamera->getVisibleRect(0.0f).top;
    for (const auto& row : rows) {
        SCOPED_TRACE("bubble " + std::to_string(row.bubble) + ", chance " + std::to_string(row.coinChance));
        game->coinChance = row.coinChance;
        GameHarness::seed(5);
        int coins = 0, gold = 0;
        DrawnRange landing, height, spin;
        for (int match = 0; match < MATCHES; ++match) {
            if (row.bubble > 0)
                smiley->showMultiplierBubble(row.bubble, 10.0);
            smiley->collectMatchReward();
            for (const Coin* coin : childrenOf<Coin>(game->coinLayer)) {
                ++coins;
                gold += coin->value == 25;
                landing.add(coin->start.x - smiley->position.x);
                height.add(coin->position.y - top);
                spin.add(coin->phase);
            }
            game->coinLayer->deleteAllChildren();
        }
        EXPECT_TRUE(countNear(coins, row.coinsPerMatch * MATCHES)) << "coins";
        EXPECT_TRUE(countNear(gold, coins / 2.0)) << "gold coins";
        EXPECT_TRUE(spans(landing, -40.0, 40.0)) << "where the coins land";
        EXPECT_TRUE(spans(height, 64.0, 128.0)) << "how high over the view the coins start";
        EXPECT_TRUE(spans(spin, 0.0, 1.0)) << "where in their spin the coins start";
    }
    game->effectLayer->deleteAllChildren();
    game->smileyLayer->deleteAllChildren();
}

// Drawn, so that the halo, the overlay and the alarm clock are too. The
// first breath held counts; a second one while holding does not.
TEST_F(SmileyPlay, AnImpatientSmileyTurnsWhiteAndLeavesWhenItsBreathRunsOutEvenWhenSelected)
{
    harness->stepped.bDraw = true;
    Smiley* smiley = placeSmiley(true);
    smiley->selected = true;
    const double quiet = lastStart("breathIn");
    smiley->holdBreath(3.0);
    smiley->holdBreath(5.0);
    EXPECT_NE(lastStart("breathIn"), quiet);
    harness->stepSeconds(1.5);
    EXPECT_NEAR(static_cast<const FeatureBody*>(smiley->features[0])->breathTint, 0.5f, 0.01f);
    EXPECT_TRUE(game->breathedOut.empty());
    harness->recorder.bRecording = true;
    harness->stepSeconds(1.6);
    EXPECT_EQ(game->breathedOut, std::vector<Smiley*>{smiley});
    EXPECT_EQ(harness->recorder.timesStarted("breathOut"), 1);
    EXPECT_EQ(smiley->state, 3);
    EXPECT_FALSE(smiley->selected);
    EXPECT_EQ(smiley->alarmClock, nullptr);
    harness->stepped.bDraw = false;
    harness->recorder = FrameRecorder();
}

TEST_F(SmileyPlay, AClownsExitEndsTheChainOfMatchesWithStardust)
{
    Clown* clown = new Clown();
    clown->attachTo(game);
    game->smileyLayer->addChildLast(clown);
    game->matchHistory->addChildLast(new Smiley());
    const double quiet = lastStart("stardust");
    clown->dismiss();
    EXPECT_EQ(clown->state, 3);
    EXPECT_EQ(game->matchHistory->getChildCount(), 0);
    EXPECT_NE(lastStart("stardust"), quiet);
}

// Each row from eyes at rest (the pointer on them for a few frames), one
// frame with the pointer moved off by (dx, dy): the eyes look its way, 4
// units times its distance over 200, never more than 4.
TEST_F(SmileyPlay, AClownsEyesLookAtThePointerReachingFourUnitsFromTwoHundredAway)
{
    Clown* clown = new Clown();
    clown->attachTo(game);
    clown->position = V3(0.0f, -100.0f, 0.0f);
    clown->updateVisuals();
    game->smileyLayer->addChildLast(clown);
    clown->setState(Smiley::STATE_PRESENT);
    for (const auto& [dx, dy, reach] : {
             std::make_tuple(0.0f, 0.0f, 0.0f),
             std::make_tuple(100.0f, 0.0f, 2.0f),
             std::make_tuple(0.0f, -150.0f, 3.0f),
             std::make_tuple(-120.0f, 160.0f, 4.0f),
             std::make_tuple(300.0f, 0.0f, 4.0f),
         }) {
        const V3 rest = clown->pupils->boundsCentre - clown->pupils->position;
        pointAt(rest.x, rest.y, game);
        harness->step(4);
        pointAt(clown->pupils->boundsCentre.x + dx, clown->pupils->boundsCentre.y + dy, game);
        harness->step();
        const V3 look = clown->pupils->position;
        const float distance = std::hypot(dx, dy);
        EXPECT_NEAR(look.x, distance > 0.0f ? reach * dx / distance : 0.0f, 0.05f) << dx << ", " << dy;
        EXPECT_NEAR(look.y, distance > 0.0f ? reach * dy / distance : 0.0f, 0.05f) << dx << ", " << dy;
    }
    game->smileyLayer->deleteAllChildren();
}

// A chain of links: a partner of a as the newest match, a partner of that
// one before it, and so on; a clown at the newest end leaves no chain.
TEST_F(SmileyPlay, AChainPaysShowsItsLengthInItsColourAndTheHistoryKeepsEight)
{
    const struct {
        int links, difficulty, points;
        UColor colour;
    } chains[] = {
        {1, 0, 100, UColor(128, 0, 255, 255)},
        {6, 2, 1800, UColor(184, 86, 255, 255)},
        {11, 1, 2200, UColor(240, 173, 255, 255)},
        {0, 0, 0, UColor(0, 0, 0, 0)},
    };
    for (const auto& row : chains) {
        Smiley* a = placeSmiley(true);
        Smiley* b = placeSmiley(true);
        const Smiley* newer = a;
        for (int k = 0; k < row.links; ++k) {
            game->generator->resetPools();
            game->generator->avoidFeaturesOf(newer);
            Smiley* link = game->generator->createSmiley();
            game->matchHistory->addChildFirst(link);
            newer = link;
        }
        if (row.links == 0)
            game->matchHistory->addChildLast(new Clown());
        game->difficulty = row.difficulty;
        game->playerData->score = 1000;
        const int effects = game->effectLayer->getChildCount();
        const double quiet = lastStart("jingle02");
        game->checkChainBonus(a, b);
        EXPECT_EQ(game->playerData->score, 1000 + row.points) << row.links;
        EXPECT_LE(game->matchHistory->getChildCount(), 8);
        if (row.links == 0) {
            EXPECT_EQ(game->effectLayer->getChildCount(), effects);
            EXPECT_EQ(lastStart("jingle02"), quiet);
        } else {
            ASSERT_GT(game->effectLayer->getChildCount(), effects) << row.links;
            const auto* text = static_cast<const RenderableText*>(static_cast<KivBase*>(game->effectLayer->pLastChild));
            EXPECT_EQ(text->text, formatString("chain \x81 %d", row.links));
            EXPECT_EQ(text->color, row.colour) << row.links;
            EXPECT_NE(lastStart("jingle02"), quiet);
        }
        game->matchHistory->deleteAllChildren();
        game->smileyLayer->deleteAllChildren();
        game->difficulty = 0;
    }
}

// Counted on a fixed seed at a chance strictly between 0 and 1: a chain
// draws one coin, over the second smiley of its match; a right answer in a
// challenge round draws one for every other present smiley.
TEST_F(SmileyPlay, AChainAndARightChallengeAnswerDrawOneCoinPerSmileyAtTheGamesChance)
{
    constexpr int ROUNDS = 400;
    game->coinChance = 0.3f;
    GameHarness::seed(9);
    Smiley* a = placeSmiley(false);
    Smiley* b = placeSmiley(false);
    int coins = 0;
    for (int chain = 0; chain < ROUNDS; ++chain) {
        game->generator->resetPools();
        game->generator->avoidFeaturesOf(a);
        game->matchHistory->addChildLast(game->generator->createSmiley());
        game->checkChainBonus(a, b);
        coins += game->coinLayer->getChildCount();
        game->coinLayer->deleteAllChildren();
        game->matchHistory->deleteAllChildren();
    }
    EXPECT_TRUE(countNear(coins, 0.3 * ROUNDS)) << "coins of chains of one";

    // The answer ends the house: the stage's controller goes to its house
    // end, which the test leaves at once.
    game->challengeSmiley = a;
    for (int i = 0; i < ROUNDS; ++i)
        placeSmiley(false)->setState(Smiley::STATE_PRESENT);
    game->generator->resetPools();
    game->generator->avoidFeaturesOf(a);
    Smiley* answer = game->generator->createSmiley();
    game->onChallengeAnswer(answer);
    EXPECT_TRUE(countNear(game->coinLayer->getChildCount(), 0.3 * ROUNDS))
        << "coins of a right answer with " << ROUNDS << " smileys besides";
    delete answer;
    game->challengeSmiley = nullptr;
    game->effectLayer->deleteAllChildren();
    game->smileyLayer->deleteAllChildren();
}

// Paid at once, over the second of the pair, through the popup; a clown
// matched with a smiley pays nothing, whichever comes first.
TEST_F(SmileyPlay, TwoClownsMatchedTogetherPayTheCircusBonus)
{
    for (const auto& [firstClown, secondClown] : {std::make_pair(true, true), std::make_pair(true, false),
                                                 std::make_pair(false, true)}) {
        Clown first, second;
        Smiley* a = firstClown ? &first : placeSmiley(true);
        Smiley* b = secondClown ? &second : placeSmiley(true);
        game->checkCircusBonus(a, b);
        const std::vector<CircleScore*> popups = childrenOf<CircleScore>(game->effectLayer);
        ASSERT_EQ(popups.size(), firstClown && secondClown ? 1u : 0u) << firstClown << secondClown;
        if (!popups.empty()) {
            EXPECT_EQ(popups[0]->points, 25000);
        }
        game->effectLayer->deleteAllChildren();
        game->smileyLayer->deleteAllChildren();
    }
}

using CoinDrop = BoardTest;

// A small coin is worth 10 and drawn at 0.8 of a gold one's size in the
// picture's own colours; a gold one is worth 25, tinted gold.
TEST_F(CoinDrop, EachKindHasItsWorthSizeAndTint)
{
    const struct {
        int kind, value;
        float scale;
        UColor tint;
    } kinds[] = {{1, 10, 0.8f, UColor(255, 255, 255, 255)}, {2, 25, 1.0f, UColor(250, 209, 86, 255)}};
    for (const auto& row : kinds) {
        const Coin coin(*game, 40.0f, -100.0f, 0.0f, row.kind);
        EXPECT_EQ(coin.value, row.value) << row.kind;
        EXPECT_EQ(std::make_pair(coin.scale.x, coin.scale.y), std::make_pair(row.scale, row.scale)) << row.kind;
        EXPECT_TRUE(sameColor(row.tint, coin.color)) << row.kind;
    }
}

// It spins three times as fast in its flight as in its fall.
TEST_F(CoinDrop, FallsBouncesOnceAndCreditsOnceOnItsSecondLandingOrAClick)
{
    const float step = static_cast<float>(harness->stepped.dt);
    const Camera::VisibleRect view = game->scene->pCamera->getVisibleRect(0.0f);
    // How far one frame turns the coin in its spin (a whole turn is 1).
    const auto spinOfAStep = [this](const Coin* coin) {
        const float before = coin->phase;
        harness->step();
        return std::fmod(coin->phase - before + 1.0f, 1.0f);
    };
    for (const auto& [kind, bClicked, credit] : {
             std::make_tuple(1, false, 10),
             std::make_tuple(2, false, 25),
             std::make_tuple(1, true, 15),
             std::make_tuple(2, true, 30),
         }) {
        SCOPED_TRACE(testing::Message() << "kind " << kind << (bClicked ? ", clicked" : ""));
        game->coinsThisHouse = 0;
        game->playerData->coins = 0;
        harness->recordAfresh();
        // It starts above the view and lands on the floor it was dropped for.
        Coin* coin = new Coin(*game, 40.0f, -100.0f, 0.0f, kind);
        game->coinLayer->addChildLast(coin);
        EXPECT_GE(coin->position.y, view.top + 64.0f);
        EXPECT_NEAR(spinOfAStep(coin), step, 1e-4f) << "falling";
        ASSERT_TRUE(harness->stepUntil([coin] { return coin->bounced; }, 1000));
        EXPECT_EQ(coin->position.y, -100.0f);
        ASSERT_EQ(coin->state, 1);
        harness->step(5);
        if (bClicked)
            clickOn(coin);
        ASSERT_TRUE(harness->stepUntil([coin] { return coin->state == Coin::STATE_FLYING; }, 500));
        EXPECT_NEAR(spinOfAStep(coin), 3.0f * step, 1e-4f) << "flying";
        EXPECT_EQ(game->coinsThisHouse, credit);
        EXPECT_EQ(game->playerData->coins, credit);

        // Flying coins take no clicks; the flight ends after a second, 50
        // units below the view's top-left corner.
        clickOn(coin);
        const int landed = harness->stepped.frames;
        V3 last;
        harness->stepUntil(
            [&] {
                const bool gone = game->coinLayer->getChildCount() == 0;
                if (!gone)
                    last = coin->position;
                return gone;
            },
            500);
        EXPECT_NEAR((harness->stepped.frames - landed) * step, 1.0f, 0.03f);
        EXPECT_NEAR(last.x, view.left, 1.0f);
        EXPECT_NEAR(last.y, view.top - 50.0f, 1.0f);
        EXPECT_EQ(game->coinsThisHouse, credit);
        EXPECT_EQ(harness->recorder.timesStarted("coinBounce"), 1);
        EXPECT_EQ(harness->recorder.timesStarted("coinBounceEnd"), 1);
    }
    harness->recorder = FrameRecorder();
}

}
}
