// The keys the player may press on a screen or a dialog of the running game
// (the desktop's keys, a button's own hot key and the country chooser's letters
// are tested elsewhere), pressed through the program's own loop, one row a key:
// what must follow (the screen closes, stays, or asks "Are you sure?" first,
// and what else changes). The keys: Escape, which closes a screen that allows
// it, asking first where the screen says so (the main menu, a game outside its
// challenge rounds), and never closes the saved-game prompt, the language
// choice or a game in its challenge round; the two Fire keys (Space and Left
// Shift unless the player bound others), which skip the intro and close the
// maker's logo, the credits and a dialog of one button, but not a Yes/No
// question; the space bar, the hot key of the close button of the in-game
// dialogs and the journey map; a key pressed over a key field of the controls,
// which binds it and takes it from the control that had it (Escape never); and
// the letters, Backspace, Return and Numpad Enter of the new-player screen.
// Each row starts at the main menu and ends there; screens the game only
// reaches late (the intro, the ending) are pushed over the menu as the program
// pushes them. The new-player rows come last: Return and Numpad Enter add a
// player.
#include "GameSession.h"

#include "ContextBFLogo.h"
#include "ContextCredits.h"
#include "ContextDialog.h"
#include "ContextLanguageSelect.h"
#include "ContextNewUser.h"
#include "ContextOptions.h"
#include "ContextOptionsControls.h"
#include "ContextOptionsControls2.h"
#include "ContextUserManager.h"
#include "MenuKey.h"
#include "game/ContextMap.h"
#include "scenes/ContextGametypes.h"

namespace {

using namespace testsupport;

enum Outcome { CLOSES, STAYS, ASKS };

// The Fire and Missile controls' rows of the key table, and Fire's two
// defaults.
constexpr int FIRE = 4;
constexpr int MISSILE = 5;
constexpr int FIRE_KEY_1 = KEY_SPACE;
constexpr int FIRE_KEY_2 = KEY_LEFT_SHIFT;
const int KEY_F = KivInput::scanCodeFromSDLKey(SDLK_f);
const int KEY_A = KivInput::scanCodeFromSDLKey(SDLK_a);
const int KEY_N = KivInput::scanCodeFromSDLKey(SDLK_n);
const int KEY_NUMPAD_ENTER = KivInput::scanCodeFromSDLKey(SDLK_KP_ENTER);
// The quest mode's record at the challenge round of "Easy Street".
const SavedGame AT_CHALLENGE{3, 0, 3, 30000, 40, 1, 2};

// Where the one-button dialog writes its answer.
int okAnswer = 0;

template <typename Screen>
Context* shown(GameSession& s)
{
    return s.game.show(new Screen());
}

Context* menu(GameSession& s)
{
    return s.game.mainMenu();
}

Context* intro(GameSession& s)
{
    return s.game.show(new ContextLogo(StandardRandom::shared()));
}

Context* highScores(GameSession& s)
{
    return s.game.show(new ContextHighScores(MODE_QUEST));
}

// The question on top once it is active.
Context* question(GameSession& s)
{
    s.game.stepUntil([&] { return s.shown<ContextDialog>() != nullptr; }, 100);
    return s.shown<ContextDialog>();
}

Context* escapeQuestion(GameSession& s)
{
    pressKey(KEY_ESCAPE);
    return question(s);
}

Context* quitQuestion(GameSession& s)
{
    clickOn(s.game.mainMenu()->pQuitButton);
    return question(s);
}

Context* okDialog(GameSession& s)
{
    ContextDialog* dialog = new ContextDialog();
    dialog->title = "Saving failed";
    dialog->pAnswer = &okAnswer;
    dialog->build();
    return s.game.show(dialog);
}

// The controls (the first or the second player's), with the pointer on
// the Fire field.
template <typename Controls>
Context* controlsOverFire(GameSession& s)
{
    Context* controls = s.game.show(new Controls());
    pointAt(childrenOf<MenuKey>(controls)[FIRE]->position.x, childrenOf<MenuKey>(controls)[FIRE]->position.y,
            controls);
    s.game.step();
    return controls;
}

Context* inPlay(GameSession& s)
{
    return s.startNew<GameControllerAdventure>(5);
}

Context* gameQuestion(GameSession& s)
{
    inPlay(s);
    return escapeQuestion(s);
}

// The question of the game's Exit button (the newest house's).
Context* exitQuestion(GameSession& s)
{
    inPlay(s);
    clickOn(childrenOf<MenuButtonQuit>(s.controller->sceneryLayer).back());
    return question(s);
}

Context* challengeRound(GameSession& s)
{
    GameController* game = s.continueFrom<GameControllerAdventure>(AT_CHALLENGE);
    EXPECT_TRUE(game && s.waitForPlay() && game->challengeRound);
    return game;
}

// A new quest game's first in-game dialog: how to play; the pointer in a
// corner, away from its close button, whose key acts wherever it is.
Context* helpDialog(GameSession& s)
{
    GameSession::record(MODE_QUEST) = SavedGame{};
    s.start<GameControllerAdventure>();
    moveTo(1.0f, 1.0f);
    s.game.stepUntil([&] { return s.dialog() != nullptr; }, 200);
    return s.dialog();
}

Context* journeyMap(GameSession& s)
{
    helpDialog(s);
    s.playUntil([&] { return s.shown<ContextMap>() != nullptr; }, 500);
    return s.shown<ContextMap>();
}

Context* savedGamePrompt(GameSession& s)
{
    GameSession::record(MODE_QUEST) = AT_CHALLENGE;
    s.start<GameControllerAdventure>();
    s.game.stepUntil([&] { return s.dialog() != nullptr; }, 200);
    return s.dialog();
}

bool noQuit(GameSession& s)
{
    return !s.game.stack()->bQuit && pGlobal->urlToOpenOnExit.empty();
}

bool backAtTheMenuWithoutAGame(GameSession& s)
{
    return s.game.mainMenu() && s.game.currentGame() == nullptr && noQuit(s);
}

bool nothingAnswered(GameSession&)
{
    return okAnswer == -1;
}

bool gameGoesOn(GameSession& s)
{
    return s.game.activeScreen() == s.controller && s.game.currentGame() == s.controller;
}

bool fireBoundToF(GameSession&)
{
    return pGlobal->hst.keys[FIRE][0] == KEY_F && pGlobal->hst.keys[FIRE][1] == FIRE_KEY_2;
}

bool secondFireBoundToF(GameSession&)
{
    return pGlobal->hst.keys[FIRE][0] == FIRE_KEY_1 && pGlobal->hst.keys[FIRE][1] == KEY_F;
}

bool fireUnchanged(GameSession&)
{
    return pGlobal->hst.keys[FIRE][0] == FIRE_KEY_1 && pGlobal->hst.keys[FIRE][1] == FIRE_KEY_2;
}

// Return, Missile's first key by default, is Fire's alone now.
bool returnTakenFromMissile(GameSession&)
{
    return pGlobal->hst.keys[FIRE][0] == KEY_RETURN && pGlobal->hst.keys[MISSILE][0] == 0;
}

bool nameTyped(GameSession& s)
{
    return s.game.active<ContextNewUser>()->name == "an";
}

int players = 0;

template <const char* name>
bool playerAdded(GameSession&)
{
    const ProfileManager& roster = pGlobal->profileManager;
    return roster.getCount() == players + 1 && std::string(roster.getName(roster.current)) == name;
}
constexpr char AN[] = "an";
constexpr char ANN[] = "ann";

bool nobodyAdded(GameSession&)
{
    return pGlobal->profileManager.getCount() == players;
}

struct Row {
    const char* what;
    // Brings the screen on top and active; returns it.
    Context* (*open)(GameSession&);
    // Pressed and released one a frame (scan codes).
    std::vector<int> keys;
    Outcome outcome;
    // What else must hold afterwards; null: nothing.
    bool (*also)(GameSession&) = nullptr;
    // The player's first Fire key for the row; 0 keeps Space.
    int fire = 0;
    // The one key is held down instead, for several frames.
    bool bHeld = false;
};

TEST(HotKeys, EachKeyOnItsScreenDoesWhatItShouldThroughTheProgramsLoop)
{
    GameSession session = GameSession::quick();
    GameHarness& game = session.game;
    ASSERT_TRUE(game.backToMenu());
    HSTdata& hst = pGlobal->hst;
    decltype(hst.keys) keptKeys;
    std::memcpy(keptKeys, hst.keys, sizeof(keptKeys));
    const Row rows[] = {
        {"intro: Escape skips it", intro, {KEY_ESCAPE}, CLOSES},
        {"intro: Space (Fire) skips it", intro, {KEY_SPACE}, CLOSES},
        {"intro: Left Shift (Fire) skips it", intro, {KEY_LEFT_SHIFT}, CLOSES},
        {"intro: Return is no Fire key", intro, {KEY_RETURN}, STAYS},
        {"intro: F once the player bound Fire to it", intro, {KEY_F}, CLOSES, nullptr, KEY_F},
        {"intro: Space once Fire is bound elsewhere", intro, {KEY_SPACE}, STAYS, nullptr, KEY_F},
        {"maker's logo: Escape", shown<ContextBFLogo>, {KEY_ESCAPE}, CLOSES},
        {"maker's logo: Space", shown<ContextBFLogo>, {KEY_SPACE}, CLOSES},
        {"credits: Escape", shown<ContextCredits>, {KEY_ESCAPE}, CLOSES},
        {"credits: Left Shift", shown<ContextCredits>, {KEY_LEFT_SHIFT}, CLOSES},
        {"main menu: Escape asks first", menu, {KEY_ESCAPE}, ASKS, noQuit},
        {"Escape's question: Escape closes it alone", escapeQuestion, {KEY_ESCAPE}, CLOSES, noQuit},
        {"Escape's question: Space (two buttons)", escapeQuestion, {KEY_SPACE}, STAYS},
        {"Quit's question: Escape answers nothing", quitQuestion, {KEY_ESCAPE}, CLOSES, noQuit},
        {"one-button dialog: Space", okDialog, {KEY_SPACE}, CLOSES, nothingAnswered},
        {"one-button dialog: Left Shift", okDialog, {KEY_LEFT_SHIFT}, CLOSES, nothingAnswered},
        {"one-button dialog: Escape", okDialog, {KEY_ESCAPE}, CLOSES, nothingAnswered},
        {"one-button dialog: Return", okDialog, {KEY_RETURN}, STAYS},
        {"mode selection: Escape", shown<ContextGametypes>, {KEY_ESCAPE}, CLOSES, backAtTheMenuWithoutAGame},
        {"mode selection: Escape held", shown<ContextGametypes>, {KEY_ESCAPE}, CLOSES, noQuit, 0, true},
        {"options: Escape", shown<ContextOptions>, {KEY_ESCAPE}, CLOSES},
        {"controls, over Fire: F binds it", controlsOverFire<ContextOptionsControls>, {KEY_F}, STAYS, fireBoundToF},
        {"controls, over Fire: Return, taken from Missile", controlsOverFire<ContextOptionsControls>, {KEY_RETURN},
         STAYS, returnTakenFromMissile},
        {"controls, over Fire: Escape binds nothing", controlsOverFire<ContextOptionsControls>, {KEY_ESCAPE}, CLOSES,
         fireUnchanged},
        {"second player's controls, over Fire: F binds Fire's second key", controlsOverFire<ContextOptionsControls2>,
         {KEY_F}, STAYS, secondFireBoundToF},
        {"high scores: Escape", highScores, {KEY_ESCAPE}, CLOSES},
        {"players: Escape", shown<ContextUserManager>, {KEY_ESCAPE}, CLOSES},
        {"language choice: Escape", shown<ContextLanguageSelect>, {KEY_ESCAPE}, STAYS},
        {"game in play: Escape asks first", inPlay, {KEY_ESCAPE}, ASKS},
        {"game's question: Escape goes on playing", gameQuestion, {KEY_ESCAPE}, CLOSES, gameGoesOn},
        {"Exit's question: Escape goes on playing", exitQuestion, {KEY_ESCAPE}, CLOSES, gameGoesOn},
        {"challenge round: Escape", challengeRound, {KEY_ESCAPE}, STAYS},
        {"saved-game prompt: Escape", savedGamePrompt, {KEY_ESCAPE}, STAYS},
        {"saved-game prompt: Space (no close button)", savedGamePrompt, {KEY_SPACE}, STAYS},
        {"in-game dialog: Space (its close button)", helpDialog, {KEY_SPACE}, CLOSES, gameGoesOn},
        {"in-game dialog: Escape", helpDialog, {KEY_ESCAPE}, CLOSES, gameGoesOn},
        {"in-game dialog: Left Shift", helpDialog, {KEY_LEFT_SHIFT}, STAYS},
        {"journey map: Space (its close button)", journeyMap, {KEY_SPACE}, CLOSES},
        {"journey map: Escape", journeyMap, {KEY_ESCAPE}, CLOSES},
        {"ending: Escape", shown<ContextEnding>, {KEY_ESCAPE}, CLOSES},
        {"ending: Space (no Fire key)", shown<ContextEnding>, {KEY_SPACE}, STAYS},
        {"new player: letters, Backspace", shown<ContextNewUser>, {KEY_A, KEY_N, KEY_N, KEY_BACKSPACE}, STAYS,
         nameTyped},
        {"new player: Escape adds nobody", shown<ContextNewUser>, {KEY_A, KEY_ESCAPE}, CLOSES, nobodyAdded},
        {"new player: Return adds the name", shown<ContextNewUser>, {KEY_A, KEY_N, KEY_RETURN}, CLOSES,
         playerAdded<AN>},
        {"new player: Numpad Enter adds the name", shown<ContextNewUser>, {KEY_A, KEY_N, KEY_N, KEY_NUMPAD_ENTER},
         CLOSES, playerAdded<ANN>},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        players = pGlobal->profileManager.getCount();
        hst.keys[FIRE][0] = row.fire ? row.fire : FIRE_KEY_1;
        Context* screen = row.open(session);
        ASSERT_TRUE(screen && game.stack()->active.get() == screen) << "the screen did not come on top";
        const Reference alive(screen);
        const Context* below = static_cast<Context*>(screen->pPrev);
        const int screens = game.stack()->getChildCount();
        if (row.bHeld) {
            feed(inputEvents(row.keys[0], true));
            game.step(5);
            feed(inputEvents(row.keys[0], false));
        }
        for (const int key : row.bHeld ? std::vector<int>() : row.keys) {
            pressKey(key);
            game.step();
        }
        game.step(2);
        const ContextDialog* asked = game.active<ContextDialog>();
        switch (row.outcome) {
        case CLOSES:
            EXPECT_EQ(alive.get(), nullptr) << "still on the stack";
            EXPECT_EQ(game.stack()->active.get(), below) << "not back at the screen below";
            break;
        case STAYS:
            EXPECT_EQ(game.stack()->active.get(), screen);
            EXPECT_EQ(game.stack()->getChildCount(), screens);
            break;
        case ASKS:
            ASSERT_NE(asked, nullptr) << "no question";
            EXPECT_EQ(asked->title, "Are you sure?");
            EXPECT_EQ(asked->pPrev, screen) << "not asked over the screen";
            break;
        }
        if (row.also) {
            EXPECT_TRUE(row.also(session)) << "what else should follow did not";
        }
        ASSERT_TRUE(game.backToMenu());
        std::memcpy(hst.keys, keptKeys, sizeof(keptKeys));
    }
}

}
