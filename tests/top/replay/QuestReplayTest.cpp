// Replays of quest mode: a new quest's first house with the in-game help on, a
// quest's game over, a journey across a neighbourhood change, the ending, a
// quest left and continued, a house far on at a higher difficulty, a house of
// five floors (the camera pulled back) at difficulty 1 lost below the high
// scores, and vitamins refused, a clash of hair and the clown tip at Impassable
// Pass, compared with the stored records (see Replay.h). Plays that start
// further on are given a saved game, before their first action or in the files
// of a previous run, and continue it through the mode selection and the
// saved-game prompt, as a player does; the board is read to choose which smiley
// to click, and every click goes through the input.
#include "GameSession.h"
#include "PermissionsObeyed.h"
#include "Replay.h"

#include "FileManager.h"
#include "board/PlayerData.h"
#include "game/ContextMap.h"
#include "game/Orb.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <functional>

namespace {

using namespace testsupport;
using Quest = GameControllerAdventure;
namespace fs = std::filesystem;

// The journey map names a place while the pointer is closer to it than this
// (units of the view).
constexpr float PLACE_REACH = 32.0f;

// The challenge round's right answer, or a wrong one; null when there is none.
Smiley* challengeAnswer(Replay& play, bool bRight)
{
    GameSession board(play.game);
    board.controller = play.running<Quest>();
    return board.controller ? board.challengeAnswer(bRight) : nullptr;
}

bool inState(Replay& play, int state)
{
    const Quest* quest = play.running<Quest>();
    return quest && quest->state == state;
}

// Until the house has ended under the caption.
Replay& waitForTheEnd(Replay& play, const std::string& caption, double maxSeconds)
{
    return play.waitUntil("house ended under \"" + caption + "\"", [&] {
        const Quest* quest = play.running<Quest>();
        return quest && quest->state >= GameController::STATE_HOUSE_END && quest->endCaption == caption;
    }, maxSeconds);
}

// Closes the in-game notes that came on top (not the journey map); a
// failure when fewer than expected came.
Replay& closeNotes(Replay& play, int expected = 0)
{
    int closed = 0;
    for (; closed < 5 && play.game.active<ContextDialogQX>() && !play.game.active<ContextMap>(); ++closed)
        play.waitFor("ContextDialogQX", 0.1).click(CROSS);
    if (closed < expected)
        play.fail(std::to_string(closed) + " notes came, not " + std::to_string(expected));
    return play;
}

// A click on the smiley's face; the notes it brought up are closed.
Replay& clickSmiley(Replay& play, const Smiley* smiley, int notes = 0)
{
    const Quest* quest = play.running<Quest>();
    if (!quest)
        return play;
    if (!smiley) {
        play.fail("no smiley to click");
        return play;
    }
    play.clickAt(smiley->halo.boundsCentre.x, smiley->halo.boundsCentre.y, quest->scene);
    return closeNotes(play, notes);
}

void matchPairs(Replay& play, const std::vector<std::pair<Smiley*, Smiley*>>& pairs)
{
    for (const auto& [a, b] : pairs) {
        clickSmiley(play, a);
        clickSmiley(play, b);
    }
}

// A click on the vitamin column's row of the kind (where GameSession clicks
// it), the first of its kind in the game, so that its note comes (its help,
// or what it costs when the coins do not reach; then why it was refused),
// and the notes closed; a failure when fewer notes came, or it was not
// bought, or bought, as expected.
Replay& clickVitamin(Replay& play, int kind, bool bBuys, int notes = 1)
{
    const Quest* quest = play.running<Quest>();
    if (!quest)
        return play;
    for (const Orb* orb : childrenOf<Orb>(quest->hud->vitamins))
        if (orb->kind == kind) {
            const int32_t coins = quest->playerData->coins;
            const int32_t cost = orb->cost;
            closeNotes(play.clickAt(orb->position.x + 60.0f, orb->position.y - 20.0f, screenOf(orb)), notes);
            quest = play.running<Quest>();
            if (quest && quest->playerData->coins != coins - (bBuys ? cost : 0))
                play.fail("vitamin " + std::to_string(kind) + (bBuys ? " not bought" : " bought"));
            return play;
        }
    play.fail("no vitamin of kind " + std::to_string(kind));
    return play;
}

// Until the house is in play (the notes over it closed) with every smiley
// out of its door.
Replay& waitForPlay(Replay& play)
{
    closeNotes(play.waitUntil("a house in play", [&] { return inState(play, GameController::STATE_PLAY); }, 60.0));
    return play.waitUntil("every smiley out", [&] {
        const Quest* quest = play.running<Quest>();
        if (!quest)
            return true;
        for (const Smiley* smiley : childrenOf<Smiley>(quest->smileyLayer))
            if (smiley->state < Smiley::STATE_PRESENT)
                return false;
        return true;
    });
}

// The fewest pairs to a dead end matched, then the house's note about it
// closed.
Replay& strandLeftovers(Replay& play)
{
    matchPairs(play, quickestDeadEnd(presentSmileys(play.running<Quest>())));
    play.waitUntil("dead end", [&] { return inState(play, GameController::STATE_MODE_END); });
    return closeNotes(play, 1);
}

// The statistics of a house that ended, counted up.
Replay& watchStatistics(Replay& play)
{
    return play.waitUntil("the statistics", [&] { return inState(play, GameController::STATE_STATISTICS); }).wait(2.0);
}

// The current player's saved game continued: the mode selection, the
// prompt, "Game loaded!", the how-to-play note, the journey map (looked at
// for a while) and the neighbourhood's introduction.
Replay& continueSavedQuest(Replay& play, double mapSeconds)
{
    const int32_t housesPlayed = GameSession::record(MODE_QUEST).housesPlayed;
    play.click("Start Game").waitFor("ContextGametypes").click("Quest");
    play.waitFor("ContextDialogQX").wait(0.5).click("continue").waitFor("GameControllerAdventure");
    play.waitUntil("the saved game loaded", [&] {
        const Quest* quest = play.running<Quest>();
        return quest && quest->housesPlayed == housesPlayed;
    }, 0.1);
    play.waitFor("ContextDialogQX").click(CROSS);
    play.waitFor("ContextMap").wait(mapSeconds).click(CROSS);
    return play.waitFor("ContextDialogQX").click(CROSS).waitFor("GameControllerAdventure");
}

// The saved quest continued into play and lost there: the leftovers
// stranded fill the slots, game over within maxSeconds, and the high-score
// table.
Replay& loseToTheHighScores(Replay& play, double maxSeconds)
{
    continueSavedQuest(play, 0.5);
    waitForPlay(play);
    strandLeftovers(play);
    return play.waitForState(GameController::STATE_GAME_OVER, maxSeconds).waitFor("ContextHighScores");
}

// A new quest: the how-to-play note, the journey map of the first
// neighbourhood, its introduction; in the first house a vitamin too dear
// for the empty purse (its note), a clashing pair (the penalty, the green
// highlight, the mistake's note), then the fewest matches to a dead end:
// "no more matches!" with its honk and note, the voice, the bodies turning
// white, the leftovers liquifying into the thermometer, the house's end and
// its statistics.
TEST(Replay, QuestFromTheStartWithTheHelp)
{
    Replay play("quest-start", 23);
    play.click("Start Game").waitFor("ContextGametypes").click("Quest");
    play.waitFor("ContextDialogQX").click(CROSS);
    play.waitFor("ContextMap").wait(0.5).click(CROSS);
    play.waitFor("ContextDialogQX").click(CROSS);
    waitForPlay(play);
    clickVitamin(play, VITAMIN_CASH_OUT, false);
    const auto [a, b] = firstPair(presentSmileys(play.running<Quest>()), false);
    clickSmiley(play, a);
    clickSmiley(play, b, 1);
    strandLeftovers(play);
    waitForTheEnd(play, "no more matches!", 10.0);
    watchStatistics(play);
    play.check();
}

// Saved at Easy Street's second house with nine of the ten thermometer
// slots filled: the fewest matches to a dead end, the leftovers liquifying
// into the thermometer past its last slot, "game over" with its sound, the
// high-score table, and the iris back to the main menu.
TEST(Replay, QuestGameOverWhenTheSlotsFillUp)
{
    Replay play("quest-game-over", 61);
    GameSession::record(MODE_QUEST) = SavedGame{1, 0, 1, 20000, 0, 1, 9};
    loseToTheHighScores(play, 10.0);
    play.wait(1.0).click("Back").waitFor("MyContextMain").wait(0.5);
    play.check();
}

// Saved at Easy Street's challenge round: the round with its note, arrow,
// alarm clock and hurried music; a click on the shown smiley and Escape do
// nothing; the clock rings and runs out ("too slow!", the solution pointed
// out). Then Leasurely Lane's street, its journey map with the arrow
// gliding from Easy Street, the pointer on each of the eight places and on
// none, its introduction and its first house.
TEST(Replay, QuestJourneyAcrossANeighbourhood)
{
    Replay play("quest-journey", 31);
    GameSession::record(MODE_QUEST) = SavedGame{3, 0, 3, 30000, 40, 1, 2};
    continueSavedQuest(play, 0.5);
    waitForPlay(play).wait(1.0);
    if (const Quest* quest = play.running<Quest>())
        clickSmiley(play, quest->challengeSmiley);
    play.wait(1.0).press(KEY_ESCAPE);
    waitForTheEnd(play, "too slow!", 30.0);
    play.waitFor("ContextMap").wait(4.0);
    const Context* map = play.game.activeScreen();
    for (const V3& place : ContextMap::mapPositions)
        play.pointAt(place.x, place.y, map);
    // On the logo, far from every place.
    play.pointAt(0.0f, 150.0f, map).click(CROSS);
    play.waitFor("ContextDialogQX").click(CROSS);
    waitForPlay(play).wait(1.0);
    play.check();
}

// Saved at Impassable Pass's challenge round: the map from Ludicrous Lane,
// the round answered right with 60% of its time left (match and extra
// bonus), "journey complete!", the ending watched until its last line is in
// full view, the high-score table with the player's new entry, and the iris
// back to the main menu.
TEST(Replay, QuestEnding)
{
    Replay play("quest-ending", 41);
    GameSession::record(MODE_QUEST) = SavedGame{47, 7, 8, 480000, 120, 1, 3};
    continueSavedQuest(play, 4.0);
    waitForPlay(play);
    // Answered with a little over half the time left, still quick enough
    // for the extra bonus.
    play.waitUntil("the clock at 60%", [&] {
        const Quest* quest = play.running<Quest>();
        return !quest || quest->thermometer <= 0.6f;
    });
    waitForTheEnd(clickSmiley(play, challengeAnswer(play, true)), "well done!", 0.1);
    play.waitFor("ContextEnding").wait(32.0).click("OK");
    play.waitFor("ContextHighScores").wait(1.0).click("Back").waitFor("MyContextMain").wait(1.0);
    play.check();
}

// Saved at Easy Street's second house with coins and a slot filled: Escape
// in play answered No, then Yes, back at the main menu; the quest continued
// again; every vitamin bought with its note (a hint, "multimatch" on a
// selected smiley, "empty slot", "double score", "cash out"); the house
// cleared with no mistake, so that the clear bonus and the eagle eye pay.
TEST(Replay, QuestLeftAndContinued)
{
    Replay play("quest-continued", 51);
    GameSession::record(MODE_QUEST) = SavedGame{1, 0, 1, 20000, 760, 1, 1};
    continueSavedQuest(play, 0.5);
    waitForPlay(play);
    play.press(KEY_ESCAPE).waitFor("ContextDialog").click("No").waitFor("GameControllerAdventure");
    play.press(KEY_ESCAPE).waitFor("ContextDialog").click("Yes").waitFor("MyContextMain");
    continueSavedQuest(play, 0.5);
    waitForPlay(play);
    clickVitamin(play, VITAMIN_HINT, true).wait(1.0);
    const auto [selected, rest] = multimatchAndTheRest(presentSmileys(play.running<Quest>()));
    clickSmiley(play, selected);
    clickVitamin(play, VITAMIN_MULTIMATCH, true);
    for (const int kind : {VITAMIN_EMPTY_SLOT, VITAMIN_DOUBLE_SCORE, VITAMIN_CASH_OUT})
        clickVitamin(play, kind, true);
    play.wait(2.0);
    matchPairs(play, rest);
    watchStatistics(play).wait(1.0);
    play.waitUntil("the clear bonus and the eagle eye", [&] {
        const Quest* quest = play.running<Quest>();
        return quest && quest->clearBonusEarned && quest->eagleEyeEarned;
    }, 0.1);
    play.check();
}

// What an earlier run of the one player left in the data folder: the
// settings, in a window, as adjust leaves them, and the roster with a quest
// saved at the record.
void leaveEarlierRun(const std::string& dataFolder, const std::function<void(HSTdata&)>& adjust,
                     const SavedGame& quest)
{
    HSTdata settings;
    settings.bFullScreen = false;
    adjust(settings);
    ProfileManager roster;
    std::memcpy(roster.profiles[0].name, "Tester", 7);
    roster.profiles[0].savedGames[MODE_QUEST] = quest;
    FileManager files;
    files.savePackedFile(dataFolder, HSTdata::getFileName(), APPLICATION_VERSION, &settings, HSTdata::FILE_SIZE);
    files.savePackedFile(dataFolder, std::string(APPLICATION_NAME) + ".pro", APPLICATION_VERSION, &roster,
                         ProfileManager::FILE_SIZE);
}

// What a run that came far left in the data folder: the settings at
// difficulty 2 (the starting level, which no menu sets), the lower Detail
// setting and no in-game help; the roster with a quest saved at Tricky
// Terrace's challenge round.
void savedFarOnAtDifficultyTwo(const std::string& dataFolder)
{
    leaveEarlierRun(dataFolder, [](HSTdata& settings) {
        settings.startingLevel = 2;
        settings.detail = 0;
        settings.bInGameHelp = false;
    }, SavedGame{23, 4, 5, 250000, 0, 1, 2});
}

// The screenshots in the folder.
long screenshotsIn(const fs::path& folder)
{
    return std::count_if(fs::directory_iterator(folder), {},
                         [](const auto& entry) { return entry.path().extension() == ".jpg"; });
}

// From the files of a previous run: the quest continued at Tricky Terrace's
// challenge round at difficulty 2; on its journey map the pointer just
// within a place's reach (its name shows) and just beyond it (none); in the
// round the screenshot key pressed once (one file); the data folder made
// read-only; the round answered wrongly: "no bonus!"; at the start of Hard
// Way's first house, which cannot be saved, "Saving failed" with the
// reason; Hard Way's map; that house in play at difficulty 2 (six
// thermometer slots, dearer vitamins) and a match there, worth what the
// sixth neighbourhood and that difficulty pay.
TEST(Replay, QuestFarOnAtAHigherDifficulty)
{
    Replay play("quest-far-on", 71, GameHarness::AT_MENU, savedFarOnAtDifficultyTwo);
    play.click("Start Game").waitFor("ContextGametypes").click("Quest");
    play.waitFor("ContextDialogQX").wait(0.5).click("continue").waitFor("ContextMap").wait(0.5);
    // Tricky Terrace, with no other place near.
    const V3 place = ContextMap::mapPositions[4];
    const Context* map = play.game.activeScreen();
    play.pointAt(place.x + PLACE_REACH - 1.0f, place.y, map).pointAt(place.x + PLACE_REACH + 1.0f, place.y, map);
    play.click(CROSS).waitFor("ContextDialogQX").click(CROSS);
    waitForPlay(play);
    const fs::path folder = play.game.dataFolder;
    play.press(KEY_PRINT_SCREEN).wait(0.5);
    if (!play.broken() && screenshotsIn(folder) != 1)
        play.fail(std::to_string(screenshotsIn(folder)) + " screenshots for one press");
    fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    {
        // Root writes into a read-only folder unless it gives up that power.
        const PermissionsObeyed obeyed;
        waitForTheEnd(clickSmiley(play, challengeAnswer(play, false)), "no bonus!", 0.1);
        play.waitFor("ContextDialog", 30.0).wait(0.5).click("OK");
        play.waitFor("ContextMap").wait(0.5).click(CROSS).waitFor("ContextDialogQX").click(CROSS);
        waitForPlay(play);
        const auto [a, b] = firstPair(presentSmileys(play.running<Quest>()));
        clickSmiley(play, a);
        clickSmiley(play, b).wait(1.0);
    }
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    play.check();
}

// What a run at difficulty 1 left in the data folder: the settings at that
// starting level (which no menu sets) with a better player's high scores,
// ten times the fresh table's; the roster with a quest saved at Middle
// Road's fourth house, six of that difficulty's eight slots filled.
void savedAtFiveFloorsBelowTheHighScores(const std::string& dataFolder)
{
    leaveEarlierRun(dataFolder, [](HSTdata& settings) {
        settings.startingLevel = 1;
        for (HighScoreEntry& entry : settings.highScores[MODE_QUEST])
            entry.score *= 10;
    }, SavedGame{16, 3, 3, 90000, 0, 1, 6});
}

// From the files of a previous run: the quest continued at Middle Road's
// fourth house, five floors high, so that the camera stands back to show
// them; at difficulty 1 the fewest matches to a dead end (worth what that
// neighbourhood and difficulty pay), the leftovers liquifying from where
// they stand on screen into the thermometer past its last slot, game over
// with a score below every high score: the table comes without a new entry.
TEST(Replay, QuestPulledBackForFiveFloorsToAGameOverBelowTheHighScores)
{
    Replay play("quest-five-floors", 83, GameHarness::AT_MENU, savedAtFiveFloorsBelowTheHighScores);
    loseToTheHighScores(play, 15.0);
    if (!play.broken() && pGlobal->profileManager.lastHighScorePosition != -1)
        play.fail("a new high score at row " + std::to_string(pGlobal->profileManager.lastHighScorePosition));
    play.wait(1.0).click("Back").waitFor("MyContextMain").wait(0.5);
    play.check();
}

// Saved at Impassable Pass's second house with coins and no slot filled:
// "empty slot" bought with no slot to empty and "multimatch" with no smiley
// selected, each with its help and then why it was refused, the coins
// kept; the fewest matches to a dead end, the leftovers liquifying; in the
// next house, where the hair varies and clowns may come, two smileys of
// the same hair clicked (the outlines of their hair light up, the note on
// mistakes comes), then a click on a clown and quest mode's note that
// clowns are wildcards.
TEST(Replay, QuestRefusedVitaminsAndTheClownTip)
{
    Replay play("quest-clown", 28);
    GameSession::record(MODE_QUEST) = SavedGame{40, 7, 1, 300000, 200, 1, 0};
    continueSavedQuest(play, 0.5);
    waitForPlay(play);
    clickVitamin(play, VITAMIN_EMPTY_SLOT, false, 2);
    clickVitamin(play, VITAMIN_MULTIMATCH, false, 2);
    strandLeftovers(play);
    watchStatistics(play);
    waitForPlay(play);
    const auto [a, b] = clashIn(presentSmileys(play.running<Quest>()), SmileyFace::HAIR);
    clickSmiley(play, a);
    clickSmiley(play, b, 1);
    const std::vector<Smiley*> present = presentSmileys(play.running<Quest>());
    const auto clown = std::find_if(present.begin(), present.end(), [](const Smiley* s) { return s->isClown; });
    if (clown == present.end())
        return play.fail("no clown came");
    clickSmiley(play, *clown, 1).wait(1.0);
    play.check();
}

} // namespace
