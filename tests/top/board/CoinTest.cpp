// A dropped coin: it falls from above the view, bounces once, and is
// collected on its second landing or by a click, crediting the game once.
#include "BoardTestSupport.h"

#include "Coin.h"

namespace boardtest {
namespace {

using namespace testsupport;

using CoinDrop = BoardTest;

TEST_F(CoinDrop, FallsBouncesOnceAndCreditsOnceOnItsSecondLandingOrAClick)
{
    const struct {
        int kind;
        bool bClicked;
        int expectedCredit;
    } rows[] = {{1, false, 10}, {2, false, 25}, {1, true, 15}, {2, true, 30}};
    const float step = static_cast<float>(harness->driver.dt);
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "kind " << row.kind << (row.bClicked ? ", clicked" : ""));
        game->coinsThisHouse = 0;
        game->playerData->coins = 0;
        harness->recorder = FrameRecorder();
        harness->recorder.bRecording = true;
        // It starts above the view and lands on the floor it was dropped for.
        Coin* coin = new Coin(40.0f, -100.0f, 0.0f, row.kind);
        game->coinLayer->addChildLast(coin);
        EXPECT_GE(coin->position.y, game->scene->pCamera->getVisibleRect(0.0f).top + 64.0f);
        ASSERT_TRUE(harness->stepUntil([coin] { return coin->bounced; }, 1000));
        EXPECT_EQ(coin->position.y, -100.0f);
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
