// A dropped coin: it falls from above the view, bounces once, and is
// collected on its second landing or by a click, crediting the game once.
#include "BoardTestSupport.h"

#include "Coin.h"

namespace boardtest {
namespace {

using namespace testsupport;

using CoinDrop = BoardTest;

TEST_F(CoinDrop, FallsBouncesOnceAtHalfSpeedAndCreditsOnceOnItsSecondLandingOrAClick)
{
    const struct {
        int kind;
        bool bClicked;
        int expectedCredit;
    } rows[] = {{1, false, 10}, {2, false, 25}, {1, true, 15}, {2, true, 30}};
    const float floor = -100.0f, step = static_cast<float>(harness->driver.dt);
    const float viewTop = game->scene->pCamera->getVisibleRect(0.0f).top;
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << (row.bClicked ? ", clicked" : ""));
        game->coinsThisHouse = 0;
        game->playerData->coins = 0;
        harness->recorder = FrameRecorder();
        harness->recorder.bRecording = true;
        Coin* coin = new Coin(40.0f, floor, 0.0f, row.kind);
        game->coinLayer->addChildLast(coin);
        EXPECT_GE(coin->position.y, viewTop + 64.0f);

        for (int frame = 0; frame < 1000 && !coin->bounced && coin->state == 1; ++frame) {
            const float fallingSpeed = std::fabs(coin->velocity.y + -1024.0f * step);
            harness->step();
            if (coin->bounced) {
                EXPECT_FLOAT_EQ(coin->velocity.y, fallingSpeed * 0.5f);
                EXPECT_EQ(coin->position.y, floor);
            }
        }
        ASSERT_EQ(coin->state, 1);
        harness->step(5);
        if (row.bClicked)
            clickOn(coin);
        ASSERT_TRUE(harness->stepUntil([coin] { return coin->state == 2; }, 500));
        EXPECT_EQ(game->coinsThisHouse, row.expectedCredit);
        EXPECT_EQ(game->playerData->coins, row.expectedCredit);

        // Flying coins take no clicks; the flight ends after a second.
        clickOn(coin);
        const int landed = harness->driver.frames;
        harness->stepUntil([&] { return game->coinLayer->getChildCount() == 0; }, 500);
        EXPECT_NEAR((harness->driver.frames - landed) * step, 1.0f, 0.03f);
        EXPECT_EQ(game->coinsThisHouse, row.expectedCredit);
        EXPECT_EQ(harness->recorder.timesStarted("coinBounce"), 1);
        EXPECT_EQ(harness->recorder.timesStarted("coinBounceEnd"), 1);
    }
    harness->recorder = FrameRecorder();
}

}
}
