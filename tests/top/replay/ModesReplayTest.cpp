// Replays of the puzzle and action modes: what the player sees and hears
// from the mode selection through the in-game help, chains, matches,
// mistakes, vitamins, house ends, a life lost and game over to the high
// scores (see Replay.h). The board is read to find which smiley to click;
// every click goes through the input. The plays that click most run at the
// lower Detail setting, whose frames carry no sparks: the records stay
// small, and that setting's drawing is walked too.
#include "GameSession.h"
#include "Replay.h"

namespace {

using namespace testsupport;

// The row of the vitamin column that sells the kind.
const Orb* vitamin(Replay& play, int kind)
{
    const GameController* game = play.running();
    for (const Orb* orb : game ? childrenOf<Orb>(game->hud->vitamins) : std::vector<Orb*>())
        if (orb->kind == kind)
            return orb;
    if (game)
        play.fail("no vitamin of kind " + std::to_string(kind));
    return nullptr;
}

// A click on the vitamin's row and, the first time, one on the cross of its
// help note; a failure unless its price was paid.
void buy(Replay& play, int kind, bool bFirstTime = true)
{
    const Orb* orb = vitamin(play, kind);
    if (!orb)
        return;
    // Coins collected meanwhile count for the house; the price does not.
    const auto coinsBefore = [&play] {
        const GameController* game = play.running();
        return game ? game->playerData->coins - game->coinsThisHouse : 0;
    };
    const int32_t before = coinsBefore();
    const int32_t cost = orb->cost;
    const std::string name = orb->name;
    play.click(orb);
    if (bFirstTime)
        play.click(CROSS);
    if (!play.broken() && coinsBefore() != before - cost)
        play.fail(name + " was not bought");
}

// Clicks the first pair that matches (or, with bMatching false, clashes);
// false, a failure, when there is none.
bool pair(Replay& play, bool bMatching = true)
{
    const auto [a, b] = firstPair(presentSmileys(play.running()), bMatching);
    if (!a) {
        play.fail("no pair to click");
        return false;
    }
    play.click(a).click(b);
    return true;
}

// The game being played is in play: not between houses, not over.
bool inPlay(Replay& play)
{
    const GameController* game = play.running();
    return game && game->state == GameController::STATE_PLAY;
}

// A smiley still in the house next to the head that cannot follow it, or null.
Smiley* clashing(Replay& play, Smiley* head)
{
    for (Smiley* s : stayingSmileys(play.running()))
        if (adjacent(s, head) && !s->canMatch(head, false))
            return s;
    return nullptr;
}

// A smiley away from the head, or null.
Smiley* away(Replay& play, Smiley* head)
{
    for (Smiley* s : stayingSmileys(play.running()))
        if (s != head && !adjacent(s, head))
            return s;
    return nullptr;
}

// Options, Graphics: the Detail setting one step down, back at the main menu.
void lowerDetail(Replay& play)
{
    play.click("Options...").waitFor("ContextOptions").click("Graphics").waitFor("ContextOptionsGraphics");
    play.previous("Detail").click("Back").waitFor("ContextOptions").click("Back").waitFor("MyContextMain");
}

// The mode chosen, the saved-game prompt continued when there is a saved
// game, the help notes and the journey map closed, frames until the first
// house is played and its smileys are out.
void startGame(Replay& play, const std::string& mode, bool bSaved)
{
    play.click("Start Game").waitFor("ContextGametypes").click(mode);
    if (bSaved)
        play.waitFor("ContextDialogQX").click("continue");
    play.waitFor("ContextDialogQX").click(CROSS).waitFor("ContextMap").click(CROSS);
    play.waitFor("ContextDialogQX").click(CROSS).waitForState(GameController::STATE_PLAY).wait(1.3);
}

// Puzzle mode continued from a saved game at the second house with the
// coins for its vitamins (the fixture): the saved-game prompt, the help
// notes, the start arrow, a click away from the start and one away from the
// head, a mistake, "extra life", a chain that leaves the solution ("next
// step" refused there) and gets stuck: a life lost, the house played again;
// then "next step", "show path", "double score" and "cash out", and the
// house solved along its solution, with its statistics and bonuses, until
// the next house is built.
TEST(Replay, PuzzleChainsVitaminsAndASolvedHouse)
{
    Replay play("puzzle", 27);
    GameSession::record(MODE_PUZZLE) = SavedGame{1, 0, 1, 5000, 1050, 2, 0};
    lowerDetail(play);
    startGame(play, "Puzzle", true);
    const std::vector<Smiley*> chain = chainToADeadEnd(stayingSmileys(play.running()), 3);
    if (chain.empty())
        return play.fail("no chain to a dead end");
    play.click(stayingSmileys(play.running()).back());
    buy(play, VITAMIN_EXTRA_LIFE);
    play.click(chain.front()).click(away(play, chain.front())).click(CROSS);
    bool bMistaken = false;
    for (size_t i = 1; i < chain.size(); ++i) {
        if (Smiley* wrong = bMistaken ? nullptr : clashing(play, chain[i - 1])) {
            play.click(wrong).click(CROSS);
            bMistaken = true;
        }
        if (i + 1 == chain.size())
            play.click(vitamin(play, VITAMIN_NEXT_STEP)).click(CROSS).click(CROSS);
        play.click(chain[i]);
    }
    play.click(CROSS).click(CROSS);
    play.waitForState(GameController::STATE_HOUSE_END).waitForState(GameController::STATE_PLAY).wait(1.3);

    const std::vector<Smiley*> solution = stayingSmileys(play.running());
    buy(play, VITAMIN_NEXT_STEP, false);
    buy(play, VITAMIN_SHOW_PATH);
    play.wait(0.3);
    buy(play, VITAMIN_DOUBLE_SCORE);
    buy(play, VITAMIN_CASH_OUT);
    for (Smiley* s : solution)
        play.click(s);
    play.waitForState(GameController::STATE_STATISTICS, 10.0).waitForState(GameController::STATE_HOUSE);
    play.check();
}

// Puzzle mode continued from a saved game with one life (the fixture), at
// the usual detail (the chain's sparks): "try again", then a chain stuck
// with the last life: game over, the new high score, the menu.
TEST(Replay, PuzzleTriedAgainThenGameOver)
{
    Replay play("puzzle-game-over", 6);
    GameSession::record(MODE_PUZZLE) = SavedGame{1, 0, 1, 15000, 150, 1, 0};
    startGame(play, "Puzzle", true);
    buy(play, VITAMIN_TRY_AGAIN);
    play.waitForState(GameController::STATE_HOUSE_END).waitForState(GameController::STATE_PLAY).wait(1.3);
    const std::vector<Smiley*> chain = chainToADeadEnd(stayingSmileys(play.running()), 2);
    if (chain.empty())
        return play.fail("no chain to a dead end");
    for (Smiley* s : chain)
        play.click(s);
    play.click(CROSS).click(CROSS).waitForState(GameController::STATE_GAME_OVER).waitFor("ContextHighScores");
    play.wait(1.0).click("Back").waitFor("MyContextMain").wait(0.5);
    play.check();
}

// A new action game with the in-game help, at the usual detail (the
// thermometer's fireworks): the help notes, the arrow at the thermometer, a
// vitamin clicked without the coins for it, the hint at a first selection,
// a match at the starting level, a mistake.
TEST(Replay, ActionNewGame)
{
    Replay play("action", 36);
    startGame(play, "Action", false);
    play.click(vitamin(play, VITAMIN_HINT)).click(CROSS);
    pair(play);
    pair(play, false);
    play.click(CROSS).wait(1.0);
    play.check();
}

// Action mode continued from a saved game at the second house with coins
// for every vitamin (the fixture): each vitamin bought ("double score" a
// second time refused), matches at a high thermometer, one with a clown,
// the house filled by "time boost" with its statistics and bonuses, the
// next house built.
TEST(Replay, ActionVitaminsAndTheNextHouse)
{
    Replay play("action-houses", 19);
    GameSession::record(MODE_ACTION) = SavedGame{1, 0, 1, 20000, 1150, 1, 0};
    lowerDetail(play);
    startGame(play, "Action", true);
    buy(play, VITAMIN_HINT);
    buy(play, VITAMIN_DOUBLE_SCORE);
    play.click(vitamin(play, VITAMIN_DOUBLE_SCORE)).click(CROSS);
    buy(play, VITAMIN_EXTRA_LIFE);
    buy(play, VITAMIN_CASH_OUT);
    buy(play, VITAMIN_MORE_TIME);
    pair(play);
    pair(play);
    // A clown takes the place of a matched smiley now and then; it comes
    // out of the door within four seconds.
    std::vector<Smiley*> clowns;
    for (Smiley* s : stayingSmileys(play.running()))
        if (s->isClown)
            clowns.push_back(s);
    if (clowns.empty())
        return play.fail("no clown came");
    play.waitUntil("the clown out", [&] { return clowns.front()->state == Smiley::STATE_PRESENT; }, 4.0);
    play.click(clowns.front()).click(CROSS);
    const std::vector<Smiley*> present = presentSmileys(play.running());
    play.click(present.empty() ? nullptr : present.front() == clowns.front() ? present.back() : present.front());
    buy(play, VITAMIN_TIME_BOOST);
    play.waitForState(GameController::STATE_STATISTICS).waitForState(GameController::STATE_PLAY, 20.0).wait(1.3);
    play.check();
}

// Action mode continued from a saved game with two lives and no coins (the
// fixture), at the lower detail: mistakes until the thermometer is empty:
// "try again!" with its note and sound, a life fewer, and the same house
// built and played again.
TEST(Replay, ActionLifeLostAndTheHouseTriedAgain)
{
    Replay play("action-try-again", 14);
    GameSession::record(MODE_ACTION) = SavedGame{1, 0, 1, 30000, 0, 2, 0};
    lowerDetail(play);
    startGame(play, "Action", true);
    pair(play, false);
    play.click(CROSS);
    for (int i = 0; i < 20 && inPlay(play) && pair(play, false); ++i) {
    }
    play.waitFor("ContextDialogQX").click(CROSS).waitForState(GameController::STATE_PLAY, 20.0);
    play.check();
}

// Action mode continued from a saved game with one life and no coins (the
// fixture): mistakes until the thermometer is low, a match there, mistakes
// until it is empty: game over, the new high score, the menu.
TEST(Replay, ActionPlayedToGameOver)
{
    Replay play("action-game-over", 5);
    GameSession::record(MODE_ACTION) = SavedGame{1, 0, 1, 30000, 0, 1, 0};
    lowerDetail(play);
    startGame(play, "Action", true);
    const auto thermometerAbove = [&play](float level) {
        const GameController* game = play.running();
        return game && game->thermometer > level;
    };
    pair(play, false);
    play.click(CROSS);
    for (int i = 0; i < 20 && thermometerAbove(0.1f) && pair(play, false); ++i) {
    }
    pair(play);
    for (int i = 0; i < 20 && inPlay(play) && pair(play, false); ++i) {
    }
    play.click(CROSS).waitForState(GameController::STATE_GAME_OVER).waitFor("ContextHighScores");
    play.wait(1.0).click("Back").waitFor("MyContextMain").wait(0.5);
    play.check();
}

} // namespace
