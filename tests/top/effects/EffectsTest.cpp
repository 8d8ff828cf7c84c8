// The game's effects in the running game: bursts that end by themselves,
// bonus popups that pay once, driven frame by frame with the harness's fixed
// dt on a bare screen pushed over the real stack, and a popup's text laid
// out on its circle.
#include "GameHarness.h"

#include "FontQuad.h"
#include "Skin.h"
#include "board/PlayerData.h"
#include "effects/CircleScore.h"
#include "effects/CircleScore2.h"
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
    game.stepped.bDraw = true;
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
    game.stepped.bDraw = false;
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
            if (row.deletedAfter > 0.0 && frame * game.stepped.dt >= row.deletedAfter)
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

// Laid as the font prints a line centred on the angle: five identical
// glyphs one advance (width and the font's negative spacing) apart, the
// first pen half the measured width before the angle, each glyph's middle
// half its width after its pen, hanging from a line whose top stands half a
// line outside the circle one way, inside it the other, and each glyph
// upright on the tangent. Bonus popups and multiplier rings alike.
TEST(Effects, ATextOnAPopupsCircleIsLaidAsTheFontPrintsItCentredOnItsAngle)
{
    GameHarness::get();
    const FontQuad* font = pKiv->pResourceManager->findAs<FontQuad>("fontHUD");
    const Skin* zero = font->getSymbolData('0').pQuad;
    const int advance = font->getAdvance('0');
    ASSERT_LT(advance, zero->width) << "the font's spacing is not negative";
    const float radius = 40.0f, centre = 1.5707963f;
    CircleScore bonus(nullptr, 0, 0.0f);
    CircleScore2 ring(3);
    for (const int direction : {1, -1}) {
        bonus.addCircularText("00000", UColor(255, 255, 255, 255), radius, centre, direction);
        ring.addCircularText("00000", UColor(255, 255, 255, 255), radius, centre, direction);
    }
    for (const Renderable* popup : {static_cast<Renderable*>(&bonus), static_cast<Renderable*>(&ring)}) {
        ASSERT_EQ(popup->getChildCount(), 10);
        int i = 0;
        for (const BasicLink* link = popup->pFirstChild; link; link = link->pNext, ++i) {
            const int direction = i < 5 ? 1 : -1;
            const float along = static_cast<float>(-(5 * advance / 2) + (i % 5) * advance) + zero->width / 2.0f;
            const float angle = centre - static_cast<float>(direction) * along / radius;
            const float hangs = static_cast<float>(font->lineHeight / 2) - zero->height / 2.0f;
            const float standsAt = radius + static_cast<float>(direction) * hangs;
            const Renderable* glyph = static_cast<const Renderable*>(link);
            EXPECT_NEAR(glyph->boundsCentre.x, standsAt * std::cos(angle), 0.01f) << "glyph " << i;
            EXPECT_NEAR(glyph->boundsCentre.y, standsAt * std::sin(angle), 0.01f) << "glyph " << i;
            EXPECT_NEAR(glyph->rotation.z, angle - static_cast<float>(direction) * 1.5707963f, 1e-4f) << "glyph " << i;
        }
    }
}

}
}
