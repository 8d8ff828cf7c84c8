#pragma once
// GameSession: a game played through GameHarness as a player plays it. It
// starts a game-mode controller the way the mode screen does, closes the
// in-game dialogs and the journey map that come on top with a click on
// their close button, clicks smileys through the input at their place on
// screen, keeps the trace of the controller's states, and finds the pairs
// that clear a house. The board readers beside it (the smileys present or
// staying, the pairs that clear or strand a house, a puzzle chain to a dead
// end, a multimatch that leaves pairs) serve the replays too, on any
// running game. Used by the game tests; main thread only.
//
//   GameSession session = GameSession::quick();         // long steps, help on, recording
//   GameControllerAdventure* quest = session.startNew<GameControllerAdventure>(seed);
//   ASSERT_TRUE(session.waitForPlay());                 // dialogs closed on the way
//   session.match(perfectMatching(session.presentSmileys()));
//   session.states;                                     // every state entered, in order
//   session.continueFrom<GameControllerPuzzle>(record); // through the saved-game prompt
//   session.startNewGame(MODE_ACTION, seed);            // the same, for a mode by its index
//   int32_t paid = session.matchCounting(a, b);         // the points the player saw it pay
//   session.buyVitamin(VITAMIN_EXTRA_LIFE);             // a click on the vitamin column's row
//   session.closeHighScores();  session.leave();        // the ways out of a game
//   session.trace();                       // sounds, music, states and score, to compare runs
//   session.dialogTexts;                   // what each dialog closed said
//   expectTheSameTraceInTwoFreshRuns([] { ...play...; return session.trace(); });
// The session must outlive the controllers it starts.
#include "ContextHighScores.h"
#include "GameHarness.h"
#include "MenuButtonQuit.h"
#include "RenderableText.h"
#include "board/Apartment.h"
#include "board/PlayerData.h"
#include "board/PlayerHUD.h"
#include "board/Smiley.h"
#include "effects/ArrowMessage.h"
#include "effects/CircleScore2.h"
#include "game/ContextDialogQX.h"
#include "game/GameControllerAdventure.h"
#include "game/GameControllerPuzzle.h"
#include "game/GameControllerTimeTrial.h"
#include "game/MenuButtonLoadGame.h"
#include "game/Orb.h"
#include "rules/MatchRule.h"
#include "scenes/ContextEnding.h"

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <random>

namespace testsupport {

// The first two smileys that can be matched (with matching false: that
// clash), or nulls.
inline std::pair<Smiley*, Smiley*> firstPair(const std::vector<Smiley*>& smileys, bool matching = true)
{
    for (size_t i = 0; i < smileys.size(); ++i)
        for (size_t j = i + 1; j < smileys.size(); ++j)
            if (smileys[i]->canMatch(smileys[j], false) == matching)
                return {smileys[i], smileys[j]};
    return {nullptr, nullptr};
}

// The first two smileys that clash in the feature slot (SmileyFace::HAIR):
// the same variant of a feature that varies in the house; or nulls.
inline std::pair<Smiley*, Smiley*> clashIn(const std::vector<Smiley*>& smileys, int slot)
{
    for (size_t i = 0; i < smileys.size(); ++i)
        for (size_t j = i + 1; j < smileys.size(); ++j)
            if ((MatchRule::judge(smileys[i]->face(), smileys[j]->face()).clashes >> slot) & 1)
                return {smileys[i], smileys[j]};
    return {nullptr, nullptr};
}

// The number of the multiplier bubble a smiley shows, 1 without one.
inline int bubbleNumber(const Smiley* smiley)
{
    return smiley->bubble ? smiley->bubble->value : 1;
}

// The smileys of the game's house that a click selects, in layer order;
// none without a game.
inline std::vector<Smiley*> presentSmileys(const GameController* game)
{
    std::vector<Smiley*> present;
    for (Smiley* smiley : game ? childrenOf<Smiley>(game->smileyLayer) : std::vector<Smiley*>())
        if (smiley->state == Smiley::STATE_PRESENT && smiley->selectable)
            present.push_back(smiley);
    return present;
}

// The smileys still in the game's house (appearing or present), in layer
// order; none without a game.
inline std::vector<Smiley*> stayingSmileys(const GameController* game)
{
    std::vector<Smiley*> staying;
    for (Smiley* smiley : game ? childrenOf<Smiley>(game->smileyLayer) : std::vector<Smiley*>())
        if (smiley->state < Smiley::STATE_LEAVING)
            staying.push_back(smiley);
    return staying;
}

class GameSession {
public:
    explicit GameSession(GameHarness& harness) : game(harness) {}

    // A session over the running game stepped with the longest step a
    // screen takes (so that a whole game is quick), the in-game help as
    // given, and the recorder recording afresh.
    static GameSession quick(bool bHelp = true)
    {
        GameHarness& game = GameHarness::get();
        game.stepped.dt = 0.05;
        pGlobal->hst.bInGameHelp = bHelp;
        game.recordAfresh();
        return GameSession(game);
    }

    // A mode whose every state change is noted in the session's trace.
    template <typename Mode>
    class Traced : public Mode {
    public:
        explicit Traced(std::vector<int>* trace) : pTrace(trace) {}
        void onStateChange() override
        {
            pTrace->push_back(this->state);
            Mode::onStateChange();
        }
        std::vector<int>* pTrace;
    };

    // The current player's saved game of the mode (0 action, 1 quest, 2 puzzle).
    static SavedGame& record(int mode)
    {
        ProfileManager& roster = pGlobal->profileManager;
        return roster.profiles[roster.current].savedGames[mode];
    }

    // A new controller of the mode, pushed and started as the mode screen
    // does; the trace starts afresh.
    template <typename Mode>
    Mode* start()
    {
        states.clear();
        Mode* mode = new Traced<Mode>(&states);
        game.stack()->pushContext(mode);
        mode->startGame();
        controller = mode;
        return mode;
    }

    // A new game of the mode from the first house, started with the seed
    // and stepped until the house is out; a test failure when it does not
    // come.
    template <typename Mode>
    Mode* startNew(unsigned seed)
    {
        GameHarness::seed(seed);
        Mode* mode = start<Mode>();
        record(mode->modeIndex) = SavedGame{};
        EXPECT_TRUE(waitForPlay()) << "the first house did not come";
        return mode;
    }

    // A new controller of the mode started over the record as the current
    // player's saved game, continued through the prompt's button (the game
    // stays the current one under the prompt, which the button needs); null
    // unless the game was loaded at the record's house and said so.
    template <typename Mode>
    Mode* continueFrom(const SavedGame& record)
    {
        Mode* mode = start<Mode>();
        GameSession::record(mode->modeIndex) = record;
        if (!game.stepUntil([&] { return dialog() != nullptr; }, 100))
            return nullptr;
        for (MenuButtonLoadGame* resume : childrenOf<MenuButtonLoadGame>(dialog()))
            clickOn(resume);
        game.step(2);
        const RenderableText* said = dynamic_cast<RenderableText*>(static_cast<KivBase*>(mode->bonusLayer->pLastChild));
        return game.activeScreen() == mode && mode->housesPlayed == record.housesPlayed && said &&
                       said->text == "Game loaded!"
                   ? mode
                   : nullptr;
    }

    // startNew and continueFrom for the mode of the index.
    GameController* startNewGame(GameMode mode, unsigned seed)
    {
        if (mode == MODE_ACTION)
            return startNew<GameControllerTimeTrial>(seed);
        if (mode == MODE_QUEST)
            return startNew<GameControllerAdventure>(seed);
        return startNew<GameControllerPuzzle>(seed);
    }
    GameController* continueGame(GameMode mode, const SavedGame& saved)
    {
        if (mode == MODE_ACTION)
            return continueFrom<GameControllerTimeTrial>(saved);
        if (mode == MODE_QUEST)
            return continueFrom<GameControllerAdventure>(saved);
        return continueFrom<GameControllerPuzzle>(saved);
    }

    // Closes whatever lies over the game, then the game, and steps until
    // it has left the stack.
    void leave()
    {
        const Reference alive(controller);
        for (Context* top = game.activeScreen(); top && top != controller; top = game.activeScreen()) {
            top->bFinished = true;
            game.step();
        }
        if (alive.get())
            controller->bFinished = true;
        game.stepUntil([&] { return alive.get() == nullptr; }, 100);
    }

    // Steps to the high-score table of a game that has ended, closes it
    // with Escape and steps until the game has left the stack for the main
    // menu; false when one of them does not come, or when the game left
    // before its iris had closed the view.
    bool closeHighScores()
    {
        const Reference alive(controller);
        if (!game.stepUntil([&] { return shown<ContextHighScores>() != nullptr; }))
            return false;
        pressKey(KEY_ESCAPE);
        return game.stepUntil([&] { return alive.get() == nullptr; }) && game.stack()->pFader->coverage > 0.9f &&
               game.currentGame() == nullptr && game.mainMenu() != nullptr;
    }

    // What the recorder heard, frame by frame (counted from the first
    // recorded one, with the track then current and the sounds started),
    // every state entered, and the player's score, coins and lives: two
    // runs of one game give the same trace.
    std::string trace() const
    {
        std::string lines;
        const std::vector<FrameRecord>& frames = game.recorder.frames;
        for (const FrameRecord& frame : frames) {
            lines += std::to_string(frame.frame - frames.front().frame) + " " + frame.music;
            for (const std::string& sound : frame.sounds)
                lines += " " + sound;
            lines += "\n";
        }
        for (const int state : states)
            lines += "state " + std::to_string(state) + "\n";
        const PlayerData* player = controller->playerData;
        return lines + "score " + std::to_string(player->score) + " coins " + std::to_string(player->coins) +
               " lives " + std::to_string(player->lives) + "\n";
    }

    // The top screen once the stack has made it active (a press made in the
    // frame that brings a screen on top is not its own), as a T, or null.
    template <typename T>
    T* shown() const
    {
        Context* top = game.activeScreen();
        return top && game.stack()->active.get() == top ? dynamic_cast<T*>(top) : nullptr;
    }

    // The in-game dialog (or map) shown on top, or null.
    ContextDialogQX* dialog() const { return shown<ContextDialogQX>(); }

    // A click on the close button of the dialog on top, then the frames
    // until it has left; false when there is none to close.
    bool closeDialog()
    {
        ContextDialogQX* top = dialog();
        if (!top || !top->closeButton)
            return false;
        std::string lines;
        for (const RenderableText* line : childrenOf<RenderableText>(top))
            lines += (lines.empty() ? "" : "|") + line->text;
        dialogTexts.push_back(lines);
        clickOn(top->closeButton);
        return game.stepUntil([&] { return game.activeScreen() != top; }, 100);
    }

    // Steps until done() holds, closing every in-game dialog that comes on
    // top on the way; false when it does not hold within maxFrames.
    bool playUntil(const std::function<bool()>& done, int maxFrames = GameHarness::DEFAULT_MAX_FRAMES)
    {
        return game.stepUntil([&] { return done() || (closeDialog() && done()); }, maxFrames);
    }

    // A click on the smiley's face through the input, a frame for it and
    // one with the button up (so that the next click is a fresh press), and
    // the dialogs it brought up closed; a failure when there is no smiley.
    void click(const Smiley* smiley)
    {
        ASSERT_NE(smiley, nullptr) << "no smiley to click";
        clickAt(smiley->halo.boundsCentre.x, smiley->halo.boundsCentre.y, controller->scene);
        game.step(2);
        while (closeDialog()) {
        }
    }

    // Steps (closing dialogs) until play has begun and every smiley of the
    // house is out of its door; false when that does not come.
    bool waitForPlay()
    {
        return playUntil([&] {
            for (BasicLink* link = controller->smileyLayer->pFirstChild; link; link = link->pNext)
                if (static_cast<KivBase*>(link)->state < Smiley::STATE_PRESENT)
                    return false;
            return controller->state == GameController::STATE_PLAY;
        });
    }

    // Matches the first matchable pair whenever there is one (a challenge
    // round answered with its one answer) until the house has ended; true
    // when it ended with a full thermometer or the right answer. paid (may
    // be null) gets what the matches paid, counted as matchCounting does.
    bool playGreedily(int32_t* paid = nullptr)
    {
        int32_t counted = 0;
        const bool ended = playUntil([&] {
            Smiley* answer = controller->challengeRound ? challengeAnswer(true) : nullptr;
            if (answer)
                click(answer);
            else if (const auto [a, b] = firstPair(presentSmileys()); a && !controller->challengeRound)
                counted += matchCounting(a, b);
            return controller->state != GameController::STATE_PLAY;
        });
        if (paid)
            *paid = counted;
        return ended && controller->endCaption == (controller->challengeRound ? "well done!" : "level clear!");
    }

    // The challenge round's smiley that matches the one shown (right) or
    // one that does not, or null.
    Smiley* challengeAnswer(bool right) const
    {
        if (!controller->challengeSmiley)
            return nullptr;
        for (Smiley* smiley : presentSmileys())
            if (smiley->canMatch(controller->challengeSmiley, false) == right)
                return smiley;
        return nullptr;
    }

    // Clicks a, then b, and returns what the match paid as the player counts
    // it: each smiley's value (125, and 125 more for each neighbourhood and
    // difficulty step) times the number of the bubble it showed as b was
    // clicked, 100 per link of a chain as the chain's text counts them, and
    // 25000 for two clowns, both per difficulty step. In puzzle mode a is
    // the chain's head (or its first smiley).
    int32_t matchCounting(Smiley* a, Smiley* b)
    {
        std::vector<Reference> before;
        for (KivBase* effect : childrenOf<KivBase>(controller->effectLayer))
            before.emplace_back(effect);
        click(a);
        const int32_t steps = 1 + controller->difficulty;
        int32_t paid = 125 * (steps + controller->neighbourhood) * (bubbleNumber(a) + bubbleNumber(b));
        if (a->isClown && b->isClown)
            paid += 25000 * steps;
        click(b);
        for (const RenderableText* text : childrenOf<RenderableText>(controller->effectLayer))
            if (text->text.rfind("chain ", 0) == 0 &&
                std::none_of(before.begin(), before.end(), [&](const Reference& old) { return old.get() == text; }))
                paid += 100 * steps * std::stoi(text->text.substr(text->text.rfind(' ') + 1));
        return paid;
    }

    // A click through the input on the vitamin column's row of the kind, 60
    // units in from its left and 20 below its top, the frames for it and
    // the dialogs it brought up closed; false when the column has no such row.
    bool buyVitamin(int kind)
    {
        for (const Orb* orb : childrenOf<Orb>(controller->hud->vitamins))
            if (orb->kind == kind) {
                clickAt(orb->position.x + 60.0f, orb->position.y - 20.0f, screenOf(orb));
                game.step(2);
                while (closeDialog()) {
                }
                return true;
            }
        return false;
    }

    // Clicks each pair in turn.
    void match(const std::vector<std::pair<Smiley*, Smiley*>>& pairs)
    {
        for (const auto& [a, b] : pairs) {
            click(a);
            click(b);
        }
    }

    // The smileys of the house that can be clicked, in layer order.
    std::vector<Smiley*> presentSmileys() const { return testsupport::presentSmileys(controller); }

    GameHarness& game;
    GameController* controller = nullptr;
    // Every state the controller entered, in order.
    std::vector<int> states;
    // The text lines of every dialog closeDialog closed, joined by '|', in
    // order.
    std::vector<std::string> dialogTexts;
};

// Pairs that match every smiley, each with its partner under the match rule
// (a perfect matching), or an empty list when there is none. Smileys are
// paired most constrained first, so a house of a few dozen is searched at
// once.
inline std::vector<std::pair<Smiley*, Smiley*>> perfectMatching(const std::vector<Smiley*>& smileys)
{
    const size_t n = smileys.size();
    std::vector<bool> used(n);
    std::vector<std::pair<Smiley*, Smiley*>> pairs;
    auto fits = [&](size_t i, size_t j) { return !used[j] && smileys[i]->canMatch(smileys[j], false); };
    std::function<bool()> search = [&]() -> bool {
        size_t pick = n;
        size_t fewest = n + 1;
        for (size_t i = 0; i < n; ++i) {
            size_t partners = 0;
            for (size_t j = 0; j < n && !used[i]; ++j)
                partners += fits(i, j);
            if (!used[i] && partners < fewest) {
                fewest = partners;
                pick = i;
            }
        }
        if (pick == n)
            return true;
        used[pick] = true;
        for (size_t j = 0; j < n; ++j) {
            if (!fits(pick, j))
                continue;
            used[j] = true;
            pairs.emplace_back(smileys[pick], smileys[j]);
            if (search())
                return true;
            pairs.pop_back();
            used[j] = false;
        }
        used[pick] = false;
        return false;
    };
    if (n % 2 != 0 || !search())
        pairs.clear();
    return pairs;
}

// Pairs that can be matched one after the other and leave some smileys
// without a partner: the first matchable pair taken again and again from the
// smileys in an order shuffled with the seeded rand(); empty when no order
// of a thousand leaves any.
inline std::vector<std::pair<Smiley*, Smiley*>> strandingMatching(const std::vector<Smiley*>& smileys)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::vector<Smiley*> left = smileys;
        std::shuffle(left.begin(), left.end(), std::minstd_rand(static_cast<unsigned>(std::rand())));
        std::vector<std::pair<Smiley*, Smiley*>> pairs;
        for (auto pair = firstPair(left); pair.first; pair = firstPair(left)) {
            pairs.push_back(pair);
            for (Smiley* matched : {pair.first, pair.second})
                left.erase(std::find(left.begin(), left.end(), matched));
        }
        if (!left.empty())
            return pairs;
    }
    return {};
}

// The fewest pairs that can be matched one after the other and leave
// smileys of which no two can be matched; empty when every order clears the
// house, and for more than 64 smileys. Searched breadth first over the sets
// of smileys left, which is quick for the small houses of the first
// neighbourhoods, and without drawing random numbers, so that a replay can
// read the board without touching the game's sequence.
inline std::vector<std::pair<Smiley*, Smiley*>> quickestDeadEnd(const std::vector<Smiley*>& smileys)
{
    const size_t n = smileys.size();
    if (n > 64)
        return {};
    using Left = uint64_t;
    auto pairsIn = [&](Left left) {
        std::vector<std::pair<size_t, size_t>> pairs;
        for (size_t i = 0; i < n; ++i)
            for (size_t j = i + 1; j < n; ++j)
                if ((left >> i & 1) && (left >> j & 1) && smileys[i]->canMatch(smileys[j], false))
                    pairs.emplace_back(i, j);
        return pairs;
    };
    const Left all = n == 64 ? ~Left(0) : (Left(1) << n) - 1;
    // Breadth first, so the first dead end met is one of the fewest matches.
    std::map<Left, std::pair<Left, std::pair<size_t, size_t>>> cameFrom;
    std::vector<Left> wave = {all};
    while (!wave.empty()) {
        std::vector<Left> next;
        for (const Left left : wave) {
            const std::vector<std::pair<size_t, size_t>> pairs = pairsIn(left);
            if (pairs.empty() && left != 0) {
                std::vector<std::pair<Smiley*, Smiley*>> path;
                for (Left at = left; at != all; at = cameFrom[at].first)
                    path.insert(path.begin(), {smileys[cameFrom[at].second.first], smileys[cameFrom[at].second.second]});
                return path;
            }
            for (const auto& [i, j] : pairs) {
                const Left after = left & ~(Left(1) << i) & ~(Left(1) << j);
                if (cameFrom.emplace(after, std::make_pair(left, std::make_pair(i, j))).second)
                    next.push_back(after);
            }
        }
        wave = std::move(next);
    }
    return {};
}

// Next to each other in the house (Apartment::adjoins).
inline bool adjacent(const Smiley* a, const Smiley* b)
{
    return a->apartment && a->apartment->adjoins(b->apartment);
}

// A puzzle chain from the house's first smiley through adjacent smileys
// that can follow each other to a head with no partner next to it while
// smileys are left, leaving the solution path (the house's order) before
// its last step, with a head before the last that has a clashing neighbour
// (for a mistake): more than steps smileys, the shortest such; empty when
// there is none.
inline std::vector<Smiley*> chainToADeadEnd(const std::vector<Smiley*>& house, size_t steps)
{
    if (house.empty())
        return {};
    std::vector<Smiley*> chain{house.front()}, best;
    const auto used = [&](Smiley* s) { return std::find(chain.begin(), chain.end(), s) != chain.end(); };
    const auto clashes = [&](size_t head) {
        return std::any_of(house.begin(), house.end(), [&](Smiley* s) {
            return std::find(chain.begin(), chain.begin() + head + 1, s) == chain.begin() + head + 1 &&
                   adjacent(s, chain[head]) && !s->canMatch(chain[head], false);
        });
    };
    std::function<void()> search = [&] {
        if (!best.empty() && chain.size() >= best.size())
            return;
        std::vector<Smiley*> partners;
        for (Smiley* s : house)
            if (!used(s) && adjacent(s, chain.back()) && s->canMatch(chain.back(), false))
                partners.push_back(s);
        bool bMistakePossible = false;
        for (size_t head = 0; head + 1 < chain.size(); ++head)
            bMistakePossible = bMistakePossible || clashes(head);
        if (partners.empty() && chain.size() > steps && chain.size() < house.size() && bMistakePossible &&
            !std::equal(chain.begin(), chain.end() - 1, house.begin()))
            best = chain;
        for (Smiley* s : partners) {
            chain.push_back(s);
            search();
            chain.pop_back();
        }
    };
    search();
    return best;
}

// The smiley to select for "multimatch" (which matches it with the first
// three partners in the house) so that the smileys left can all be paired,
// and those pairs; null when no smiley leaves such a house.
inline std::pair<Smiley*, std::vector<std::pair<Smiley*, Smiley*>>>
multimatchAndTheRest(const std::vector<Smiley*>& smileys)
{
    for (Smiley* selected : smileys) {
        std::vector<Smiley*> rest;
        int partners = 0;
        for (Smiley* other : smileys)
            if (other != selected && !(partners < 3 && selected->canMatch(other, false) && ++partners))
                rest.push_back(other);
        const auto pairs = perfectMatching(rest);
        if (partners > 0 && (!pairs.empty() || rest.empty()))
            return {selected, pairs};
    }
    return {nullptr, {}};
}

// The current test run again, alone, in two fresh programs of this test
// program, for determinism checks that must not share a process (the game
// starts once per process, and run-wide caches such as the puzzle solutions
// drawn so far would make a second game differ): each child writes trace()
// to the file named in an environment variable and passes; the parent
// expects the two traces to be the same. Children inherit the environment
// (display, audio) through the shell that starts them.
inline void expectTheSameTraceInTwoFreshRuns(const std::function<std::string()>& trace)
{
    static const char* const TRACE_FILE = "KIV_TEST_TRACE_FILE";
    if (const char* path = std::getenv(TRACE_FILE)) {
        writeWholeFile(path, trace());
        return;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    // Quoted for the shell: the build folder may lie on a path with spaces.
    const std::string run = "'" + std::filesystem::read_symlink("/proc/self/exe").string() + "' --gtest_filter=" +
                            test->test_suite_name() + "." + test->name();
    const TemporaryFolder folder("kiv-fresh-runs");
    std::string traces[2];
    for (std::string& written : traces) {
        const std::string path = folder.path() + "/" + std::to_string(&written - traces);
        EXPECT_EQ(std::system((std::string(TRACE_FILE) + "='" + path + "' " + run).c_str()), 0) << run;
        written = readWholeFile(path);
    }
    EXPECT_FALSE(traces[0].empty());
    EXPECT_EQ(traces[0], traces[1]);
}

} // namespace testsupport
