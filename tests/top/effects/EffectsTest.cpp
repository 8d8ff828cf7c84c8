// The game's effects in the running game: bursts that end by themselves,
// bonus popups that pay once, driven frame by frame with the harness's fixed
// dt on a bare screen pushed over the real stack, and a popup's text laid
// out on its circle.
#include "GameHarness.h"

#include "FontQuad.h"
#include "Skin.h"
#include "board/PlayerData.h"
#include "effects/CircleScore.h"
#include "effects/Firework.h"
#include "effects/Smoke.h"
#include "effects/StarBurst.h"

namespace effectstest {
namespace {

using namespace testsupport;

// An effect without particles is over at its first update and gone at the next.
TEST(Effects, BurstsPlayOutAndRemoveThemselvesEvenWithNoParticles)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
    game.driver.bDraw = true;
    const UColor grey(128, 128, 128, 255);
    const std::function<KivBase*(int)> kinds[] = {
        [&](int n) { return new Smoke(0.0f, 0.0f, 0.0f, n, 20.0f, 60.0f, 1.5f, 1.0f, 0.5f, grey); },
        [&](int n) { return new Firework(0.0f, 0.0f, 0.0f, n, 50.0f, 100.0f, 0.0f, 6.28f, 2.0f, grey); },
        [](int n) { return new StarBurst(0.0f, 0.0f, 0.0f, n, 40.0f, 120.0f, 0.0f, 7.0f, 1.0f); },
    };
    for (size_t kind = 0; kind < std::size(kinds); ++kind)
        for (const int count : {12, 1, 0, -5}) {
            stage->addChildLast(kinds[kind](count));
            game.step(2);
            EXPECT_EQ(stage->getChildCount(), count > 0 ? 1 : 0) << "kind " << kind << " of " << count;
            EXPECT_TRUE(game.stepUntil([&] { return stage->getChildCount() == 0; }, 500)) << kind << count;
        }
    game.driver.bDraw = false;
    stage->bFinished = true;
}

// At high or low detail, left to end or deleted on the way.
TEST(Effects, ABonusPopupPaysItsPointsOnceOnReachingItsAwardState)
{
    GameHarness& game = GameHarness::get();
    Context* stage = game.pushStage();
    const int detail = pGlobal->hst.detail;
    GameController controller;
    PlayerData& player = *controller.playerData;
    const struct {
        int detail, difficulty, multiplier;
        float delay;
        // Seconds after which the test deletes the popup; 0: it is left to end.
        double deletedAfter;
        int expected;
    } rows[] = {
        {1, 0, 1, 0.0f, 0.0, 100},
        {1, 2, 1, 0.25f, 0.0, 300},
        {0, 0, 3, 0.5f, 0.0, 300},
        {1, 0, 1, 0.25f, 0.5, 0},
        {0, 3, 1, 0.5f, 0.3, 0},
    };
    for (const auto& row : rows) {
        pGlobal->hst.detail = row.detail;
        controller.difficulty = row.difficulty;
        player.score = 0;
        player.setMultiplier(row.multiplier, 999.0);
        game.recordAfresh();
        CircleScore* popup = new CircleScore(&controller, 100, row.delay);
        popup->addStar(UColor(255, 255, 0, 255), 1.0f);
        popup->addCircularText("bonus!", UColor(255, 0, 0, 255), 40.0f, 1.5707963f, 1);
        stage->addChildLast(popup);
        for (int frame = 0; stage->getChildCount() > 0 && frame < 1000; ++frame) {
            if (row.deletedAfter > 0.0 && frame * game.driver.dt >= row.deletedAfter)
                delete popup;
            else
                EXPECT_EQ(player.score, popup->state >= 2 ? row.expected : 0) << "frame " << frame;
            game.step();
        }
        EXPECT_EQ(stage->getChildCount(), 0) << "the popup did not end";
        EXPECT_EQ(player.score, row.expected) << "detail " << row.detail << ", difficulty " << row.difficulty;
        EXPECT_EQ(game.recorder.timesStarted("jingle03"), row.expected > 0 ? 1 : 0);
    }
    game.recorder = FrameRecorder();
    pGlobal->hst.detail = detail;
    stage->bFinished = true;
}

// The text starts half its measured width (the font's spacing counted)
// before its angle, then each glyph takes its own width of the circle
// (without the spacing): five identical glyphs stand one glyph width apart,
// half a line outside the circle one way, inside it the other.
TEST(Effects, ATextOnAPopupsCircleRunsGlyphByGlyphFromHalfItsMeasuredWidth)
{
    GameHarness::get();
    const FontQuad* font = pKiv->pResourceManager->findAs<FontQuad>("fontHUD");
    const float glyph = font->getSymbolData('0').pQuad->width;
    const int measured = font->measure("00000").width;
    const float radius = 40.0f, centre = 1.5707963f;
    for (const int direction : {1, -1}) {
        CircleScore popup(nullptr, 0, 0.0f);
        popup.addCircularText("00000", UColor(255, 255, 255, 255), radius, centre, direction);
        ASSERT_EQ(popup.getChildCount(), 5);
        const float standsAt = radius + static_cast<float>(font->lineHeight * direction / 2);
        int i = 0;
        for (const BasicLink* link = popup.pFirstChild; link; link = link->pNext, ++i) {
            const V3 at = static_cast<const Renderable*>(link)->position;
            const float angle = centre + static_cast<float>(direction) *
                                             (static_cast<float>(measured / 2) - (i + 0.5f) * glyph) / radius;
            EXPECT_NEAR(at.x, standsAt * std::cos(angle), 0.01f) << direction << " glyph " << i;
            EXPECT_NEAR(at.y, standsAt * std::sin(angle), 0.01f) << direction << " glyph " << i;
        }
    }
}

}
}
