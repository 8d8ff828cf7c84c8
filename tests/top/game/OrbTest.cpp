// Vitamins in the heads-up display of a running game, clicked through the
// input at their place in the overlay: prices, buying, refusals, the help
// and not-enough-coins notes, and a column that is not shown.
#include "GameSession.h"

#include "Firework.h"
#include "Orb.h"
#include "PlayerHUD.h"
#include "ResourceManager.h"
#include "Skin.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace testsupport;

// A game held in its play state that answers vitamins as the test says.
struct VitaminGame : GameController {
    bool useVitamin(int kind) override
    {
        usedKinds.push_back(kind);
        return bAccept;
    }
    bool bAccept = true;
    std::vector<int> usedKinds;
};

constexpr int EXTRA_LIFE = 13;
constexpr int HINT = 0;

// Pushes a current game in its play state with the HUD's panel in, holding
// orbs of the kinds; the vitamin column slides in when shown.
VitaminGame* startGame(GameSession& session, const std::vector<int>& kinds, bool bShowVitamins = true)
{
    VitaminGame* running = new VitaminGame();
    session.game.stack()->pushContext(running);
    getMyGlobal()->pCurrentGame = session.controller = running;
    running->state = running->stateGoto = GameController::STATE_PLAY;
    for (const int kind : kinds)
        running->hud->addVitamin(new Orb(kind));
    running->hud->hidePanel = false;
    running->hud->showVitamins = bShowVitamins;
    session.game.stepSeconds(1.1);
    return running;
}

// A click on the row's orb, depth units below the row's top edge, 60 units in from its left.
void clickRow(const VitaminGame* running, int row, float depth)
{
    const Orb* orb = static_cast<Orb*>(static_cast<KivBase*>(running->hud->vitamins->getChildAt(row)));
    clickAt(orb->position.x + 60.0f, orb->position.y - depth, screenOf(orb));
}

// The picture key of the in-game dialog on top ("help:2" help, "help:5" not
// enough coins), "" when there is none.
std::string shownNote(const GameSession& session)
{
    const ContextDialogQX* dialog = session.dialog();
    if (!dialog)
        return "";
    for (const char* key : {"help:2", "help:5"})
        if (dialog->separatorSkin == pKiv->pResourceManager->findAs<Skin>(key))
            return key;
    return "another";
}

TEST(Orb, PriceGrowsByHalfTheBaseForEachDifficultyStep)
{
    GameHarness::get();
    struct Price {
        int kind;
        int difficulty;
        int cost;
    };
    const Price prices[] = {{HINT, 0, 30}, {HINT, 1, 45}, {EXTRA_LIFE, 2, 600}, {11, 1, 525}, {8, 3, 300}};
    VitaminGame running;
    getMyGlobal()->pCurrentGame = &running;
    for (const Price& price : prices) {
        running.difficulty = price.difficulty;
        const Orb orb(price.kind);
        EXPECT_EQ(orb.cost, price.cost) << price.kind << " at " << price.difficulty;
    }
    getMyGlobal()->pCurrentGame = nullptr;
}

enum class Column { SHOWN, SLIDING_OUT, NEVER_SHOWN };

// One click on an "extra life" row (300 coins).
struct Click {
    const char* what;
    int coins;
    bool bAccept;
    bool bHelp;
    // Below the row's top edge; the row's skin is 49 units high.
    float depth;
    Column column;
    int uses;
    int coinsAfter;
    const char* note;
    int jingles;
};

const Click CLICKS[] = {
    {"exactly the price, accepted", 300, true, true, 20.0f, Column::SHOWN, 1, 0, "help:2", 1},
    {"accepted with the help off", 300, true, false, 20.0f, Column::SHOWN, 1, 0, "", 1},
    {"refused", 300, false, true, 20.0f, Column::SHOWN, 1, 300, "help:2", 0},
    {"bottom 10 units of the row", 300, true, true, 44.0f, Column::SHOWN, 0, 300, "", 0},
    {"one coin short", 299, true, true, 20.0f, Column::SHOWN, 0, 299, "help:5", 0},
    {"one coin short with the help off", 299, true, false, 20.0f, Column::SHOWN, 0, 299, "", 0},
    {"column sliding out", 300, true, true, 20.0f, Column::SLIDING_OUT, 0, 300, "", 0},
    {"column never shown", 300, true, true, 20.0f, Column::NEVER_SHOWN, 0, 300, "", 0},
};

TEST(Orb, OneClickBuysOnlyWhatTheShownRowOffersAndThePlayerCanPay)
{
    GameSession session(GameHarness::get());
    GameHarness& game = session.game;
    for (const Click& click : CLICKS) {
        SCOPED_TRACE(click.what);
        pGlobal->hst.bInGameHelp = click.bHelp;
        VitaminGame* running = startGame(session, {EXTRA_LIFE}, click.column != Column::NEVER_SHOWN);
        running->bAccept = click.bAccept;
        running->playerData->coins = click.coins;
        if (click.column == Column::SLIDING_OUT) {
            running->hud->showVitamins = false;
            game.step();
        }
        game.recorder = FrameRecorder();
        game.recorder.bRecording = true;
        clickRow(running, 0, click.depth);
        game.step(2);
        EXPECT_EQ(running->usedKinds, std::vector<int>(click.uses, EXTRA_LIFE));
        EXPECT_EQ(running->playerData->coins, click.coinsAfter);
        EXPECT_EQ(shownNote(session), click.note);
        EXPECT_EQ(game.recorder.timesStarted("jingle07"), click.jingles);
        EXPECT_EQ(childrenOf<Firework>(running->bonusLayer).size(), static_cast<size_t>(click.jingles));
        session.leave();
    }
    pGlobal->hst.bInGameHelp = true;
}

// Every use is refused: the "extra life" note comes once while it is out of
// reach and its help still comes once it is affordable; the "hint" help
// comes once; nothing is paid.
TEST(Orb, HelpAndNoCoinsNotesComeOncePerKind)
{
    GameSession session(GameHarness::get());
    ASSERT_TRUE(pGlobal->hst.bInGameHelp);
    VitaminGame* running = startGame(session, {HINT, EXTRA_LIFE});
    running->bAccept = false;
    struct Press {
        int row;
        int coins;
        const char* note;
        size_t uses;
    };
    const Press presses[] = {
        {1, 30, "help:5", 0}, {1, 30, "", 0}, {0, 30, "help:2", 1}, {0, 30, "", 2}, {1, 300, "help:2", 3},
    };
    for (const Press& press : presses) {
        running->playerData->coins = press.coins;
        clickRow(running, press.row, 20.0f);
        session.game.step(2);
        EXPECT_EQ(shownNote(session), press.note) << press.row;
        EXPECT_EQ(running->usedKinds.size(), press.uses) << press.row;
        EXPECT_EQ(running->playerData->coins, press.coins) << press.row;
        session.closeDialog();
        ASSERT_EQ(session.game.activeScreen(), running);
    }
    session.leave();
}

}
