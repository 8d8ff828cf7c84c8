#pragma once
// GameSession: a game played through GameHarness as a player plays it. It
// starts a game-mode controller the way the mode screen does, closes the
// in-game dialogs and the journey map that come on top with a click on
// their close button, clicks smileys through the input at their place on
// screen, keeps the trace of the controller's states, and finds the pairs
// that clear a house. Used by the game tests; main thread only.
//
//   GameSession session(game);
//   GameControllerAdventure* quest = session.start<GameControllerAdventure>();
//   ASSERT_TRUE(session.playUntil([&] { return quest->state == 6; }));  // dialogs closed
//   for (auto [a, b] : perfectMatching(session.presentSmileys())) { session.click(a); session.click(b); }
//   session.states;                                   // every state entered, in order
// The session must outlive the controllers it starts.
#include "ContextBlender.h"
#include "ContextDialogQX.h"
#include "GameController.h"
#include "GameHarness.h"
#include "MenuButtonQuit.h"
#include "Smiley.h"

#include <cstddef>
#include <cstdlib>
#include <functional>
#include <utility>
#include <vector>

namespace testsupport {

class GameSession {
public:
    explicit GameSession(GameHarness& harness) : game(harness) {}

    // A mode whose every state change is noted in the session's trace
    // (the session must outlive it).
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
        clickOn(top->closeButton);
        return game.stepUntil([&] { return game.activeScreen() != top; }, 100);
    }

    // Steps until done() holds, closing every in-game dialog that comes on
    // top on the way; false when it does not hold within maxFrames.
    bool playUntil(const std::function<bool()>& done, int maxFrames = GameHarness::DEFAULT_MAX_FRAMES)
    {
        return game.stepUntil(
            [&] {
                if (done())
                    return true;
                closeDialog();
                return done();
            },
            maxFrames);
    }

    // A click on the smiley's face through the input, a frame for it and
    // one with the button up (so that the next click is a fresh press), and
    // the dialogs it brought up closed.
    void click(const Smiley* smiley)
    {
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
            if (controller->state != 6)
                return false;
            for (BasicLink* link = controller->smileyLayer->pFirstChild; link; link = link->pNext)
                if (static_cast<KivBase*>(link)->state < 2)
                    return false;
            return true;
        });
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
    std::vector<Smiley*> presentSmileys() const
    {
        std::vector<Smiley*> present;
        for (BasicLink* link = controller->smileyLayer->pFirstChild; link; link = link->pNext) {
            Smiley* smiley = static_cast<Smiley*>(static_cast<KivBase*>(link));
            if (!link->bDead && smiley->state == 2 && smiley->selectable)
                present.push_back(smiley);
        }
        return present;
    }

    GameHarness& game;
    GameController* controller = nullptr;
    // Every state the controller entered, in order.
    std::vector<int> states;
};

// Pairs that match every smiley, each with its partner under the match rule
// (a perfect matching), or an empty list when there is none. Smileys are
// paired most constrained first, so a house of a few dozen is searched at
// once.
inline std::vector<std::pair<Smiley*, Smiley*>> perfectMatching(const std::vector<Smiley*>& smileys)
{
    const size_t n = smileys.size();
    std::vector<std::vector<bool>> fits(n, std::vector<bool>(n));
    for (size_t i = 0; i < n; ++i)
        for (size_t j = 0; j < n; ++j)
            fits[i][j] = smileys[i]->canMatch(smileys[j], false);
    std::vector<bool> used(n);
    std::vector<std::pair<Smiley*, Smiley*>> pairs;
    std::function<bool()> search = [&]() -> bool {
        size_t pick = n;
        size_t fewest = n + 1;
        for (size_t i = 0; i < n; ++i) {
            if (used[i])
                continue;
            size_t partners = 0;
            for (size_t j = 0; j < n; ++j)
                partners += !used[j] && fits[i][j];
            if (partners < fewest) {
                fewest = partners;
                pick = i;
            }
        }
        if (pick == n)
            return true;
        used[pick] = true;
        for (size_t j = 0; j < n; ++j) {
            if (used[j] || !fits[pick][j])
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
// without a partner, drawn with the seeded rand(); empty when no such pairs
// turn up in a thousand tries.
inline std::vector<std::pair<Smiley*, Smiley*>> strandingMatching(const std::vector<Smiley*>& smileys)
{
    for (int attempt = 0; attempt < 1000; ++attempt) {
        std::vector<Smiley*> left = smileys;
        std::vector<std::pair<Smiley*, Smiley*>> pairs;
        for (bool paired = true; paired;) {
            paired = false;
            std::vector<std::pair<size_t, size_t>> options;
            for (size_t i = 0; i < left.size(); ++i)
                for (size_t j = i + 1; j < left.size(); ++j)
                    if (left[i]->canMatch(left[j], false))
                        options.emplace_back(i, j);
            if (options.empty())
                break;
            const auto [i, j] = options[static_cast<size_t>(std::rand()) % options.size()];
            pairs.emplace_back(left[i], left[j]);
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(j));
            left.erase(left.begin() + static_cast<std::ptrdiff_t>(i));
            paired = true;
        }
        if (!left.empty())
            return pairs;
    }
    return {};
}

} // namespace testsupport
