// Vitamins in the heads-up display of a running game, clicked through the
// input at their place in the overlay: prices, buying, refusals, the help
// and not-enough-coins notes, and a column that is not shown.
#include "GameSession.h"

#include "Skin.h"
#include "effects/Firework.h"
#include "game/Orb.h"

namespace {

using namespace testsupport;


// A game held in its play state with the HUD's panel in, holding orbs of
// the kinds, that answers vitamins as the test says; the vitamin column
// slides in when shown.
struct VitaminGame : GameController {
    VitaminGame(GameSession& session, const std::vector<int>& kinds, bool bShowVitamins)
    {
        session.game.stack()->pushContext(this);
        getMyGlobal()->pCurrentGame = session.controller = this;
        state = stateGoto = STATE_PLAY;
        for (const int kind : kinds)
            hud->addVitamin(new Orb(this, kind));
        hud->hidePanel = false;
        hud->showVitamins = bShowVitamins;
        session.game.stepSeconds(1.1);
    }
    bool useVitamin(int kind) override
    {
        usedKinds.push_back(kind);
        return bAccept;
    }

    // A click on the row's orb, depth units below its top edge (the row's
    // skin is 49 units high), 60 units in from its left.
    void clickRow(int row, float depth) const
    {
        const Orb* orb = static_cast<Orb*>(static_cast<KivBase*>(hud->vitamins->getChildAt(row)));
        clickAt(orb->position.x + 60.0f, orb->position.y - depth, screenOf(orb));
    }

    bool bAccept = true;
    std::vector<int> usedKinds;
};

// The picture key of the in-game dialog on top ("help:2" help, "help:5" not
// enough coins), "" when there is none.
std::string shownNote(const GameSession& session)
{
    for (const char* key : {"help:2", "help:5"})
        if (session.dialog() && session.dialog()->separatorSkin == pKiv->pResourceManager->findAs<Skin>(key))
            return key;
    return session.dialog() ? "another" : "";
}

enum class Column { SHOWN, SLIDING_OUT, NEVER_SHOWN };

// One click on an "extra life" row (300 coins).
TEST(Orb, OneClickBuysOnlyWhatTheShownRowOffersAndThePlayerCanPay)
{
    GameSession session(GameHarness::get());
    const struct Click {
        const char* what;
        int coins;
        bool bAccept, bHelp;
        float depth;
        Column column;
        int uses;
        const char* note;
    } clicks[] = {
        {"exactly the price, accepted", 300, true, true, 20.0f, Column::SHOWN, 1, "help:2"},
        {"accepted with the help off", 300, true, false, 20.0f, Column::SHOWN, 1, ""},
        {"refused", 300, false, true, 20.0f, Column::SHOWN, 1, "help:2"},
        {"bottom 10 units of the row", 300, true, true, 44.0f, Column::SHOWN, 0, ""},
        {"one coin short", 299, true, true, 20.0f, Column::SHOWN, 0, "help:5"},
        {"column sliding out", 300, true, true, 20.0f, Column::SLIDING_OUT, 0, ""},
        {"column never shown", 300, true, true, 20.0f, Column::NEVER_SHOWN, 0, ""},
    };
    for (const Click& click : clicks) {
        SCOPED_TRACE(click.what);
        pGlobal->hst.bInGameHelp = click.bHelp;
        VitaminGame* running = new VitaminGame(session, {VITAMIN_EXTRA_LIFE}, click.column != Column::NEVER_SHOWN);
        running->bAccept = click.bAccept;
        running->playerData->coins = click.coins;
        running->hud->showVitamins = click.column == Column::SHOWN;
        session.game.step();
        session.game.recordAfresh();
        running->clickRow(0, click.depth);
        session.game.step(2);
        const int bought = click.uses && click.bAccept ? 1 : 0;
        EXPECT_EQ(running->usedKinds, std::vector<int>(click.uses, VITAMIN_EXTRA_LIFE));
        EXPECT_EQ(running->playerData->coins, click.coins - 300 * bought);
        EXPECT_EQ(shownNote(session), click.note);
        EXPECT_EQ(session.game.recorder.timesStarted("jingle07"), bought);
        EXPECT_EQ(childrenOf<Firework>(running->bonusLayer).size(), static_cast<size_t>(bought));
        session.leave();
    }
    pGlobal->hst.bInGameHelp = true;
}

// A price grows with the difficulty (the rules' table; here only that the row
// asks it). Every use is refused: the "extra life" note comes once while it
// is out of reach and its help still comes once it is affordable; the "hint"
// help comes once; nothing is paid.
TEST(Orb, PriceOfTheGamesDifficultyAndHelpAndNoCoinsNotesComeOncePerKind)
{
    GameSession session(GameHarness::get());
    ASSERT_TRUE(pGlobal->hst.bInGameHelp);
    VitaminGame* running = new VitaminGame(session, {VITAMIN_HINT, VITAMIN_EXTRA_LIFE}, true);
    running->difficulty = 2;
    EXPECT_EQ(Orb(running, VITAMIN_EXTRA_LIFE).cost, 600);
    running->difficulty = 0;
    running->bAccept = false;
    for (const auto& [row, coins, note, uses] : {
             std::make_tuple(1, 30, "help:5", 0u),
             std::make_tuple(1, 30, "", 0u),
             std::make_tuple(0, 30, "help:2", 1u),
             std::make_tuple(0, 30, "", 2u),
             std::make_tuple(1, 300, "help:2", 3u),
         }) {
        running->playerData->coins = coins;
        running->clickRow(row, 20.0f);
        session.game.step(2);
        EXPECT_EQ(shownNote(session), note) << row;
        EXPECT_EQ(running->usedKinds.size(), uses) << row;
        EXPECT_EQ(running->playerData->coins, coins) << row;
        session.closeDialog();
        ASSERT_EQ(session.game.activeScreen(), running);
    }
    session.leave();
}

}
