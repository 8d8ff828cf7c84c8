#pragma once
// RandomPlayer: a restless player for the soak test. Before a frame it may
// click, start a drag (the button held while the pointer moves over a few
// frames to a point clear of the buttons it must not press, then let go) or
// press a key (Escape, Return, Space, Backspace, letters),
// all as the window's events that the program's loop pass reads, so that the
// screens' own hit tests decide what was hit. It favours what can be clicked
// on the active screen (menu items, vitamins, coins, dialog buttons, flags),
// found by walking the screen's object tree, and in a house being played
// the smileys, often one with a partner or the partner of the selected one,
// so that games get past their first houses. On the main menu it favours
// the start button, and on the mode screen the button of each mode in turn,
// so that a run plays every mode; a game's Exit button and Escape are rare,
// so that games last.
//
// It never ends the program, which a test process cannot start again: it
// keeps away from the main menu's quit button, from every button that opens
// a web page (both end the run) and from the full-screen switch (a
// full-screen window takes the pointer and keyboard of the display that the
// tests running beside this one share), and never presses Escape while the
// main menu is on top. Its choices come from its own generator, seeded by
// the test, so a seed replays the same run. Main thread only, with the game
// running.
#include "ContextMain.h"
#include "ContextOptionsGraphics.h"
#include "GameHarness.h"
#include "GUIitem.h"
#include "KivGraphics.h"
#include "LanguageFlag.h"
#include "MenuBool.h"
#include "MenuButtonQuit.h"
#include "MenuButtonURL.h"
#include "board/Coin.h"
#include "board/Smiley.h"
#include "game/GameController.h"
#include "game/Orb.h"
#include "scenes/ContextGametypes.h"

#include <random>

namespace soaktest {

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random(seed) {}

    // The input of the coming frame.
    void act(testsupport::GameHarness& game)
    {
        if (dragFrames > 0) {
            moveDragOn();
            return;
        }
        Context* screen = game.activeScreen();
        // Three or four actions a second at fifty frames a second.
        if (!screen || !chance(0.07))
            return;
        look(screen);
        if (chance(0.2)) {
            pressSomeKey(screen);
            return;
        }
        const V3 at = pickPoint();
        testsupport::moveTo(at.x, at.y);
        testsupport::leftButton(true);
        if (chance(0.1)) {
            dragTo = randomPoint();
            dragFrames = 2 + static_cast<int>(below(20));
            return;
        }
        testsupport::leftButton(false);
    }

private:
    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(random); }
    bool chance(double p) { return uniform() < p; }
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); }
    V3 any(const std::vector<V3>& points) { return points[below(points.size())]; }

    static bool isOffLimits(const KivBase* object, const Context* screen)
    {
        const auto* graphics = dynamic_cast<const ContextOptionsGraphics*>(screen);
        return dynamic_cast<const MenuButtonURL*>(object) || (graphics && object == graphics->pFullScreenSwitch) ||
               (dynamic_cast<const MenuButtonQuit*>(object) && dynamic_cast<const ContextMain*>(screen));
    }

    static bool isInteractive(const KivBase* object)
    {
        if (const auto* item = dynamic_cast<const MenuItem*>(object))
            return !item->disabled;
        return dynamic_cast<const Orb*>(object) || dynamic_cast<const Coin*>(object) ||
               dynamic_cast<const GUIitem*>(object) || dynamic_cast<const LanguageFlag*>(object);
    }

    // The mode screen's button of the mode whose turn it is.
    const KivBase* nextModeButton(const Context* screen) const
    {
        const auto* modes = dynamic_cast<const ContextGametypes*>(screen);
        if (!modes)
            return nullptr;
        const MenuButton* const buttons[] = {modes->actionButton, modes->questButton, modes->puzzleButton};
        return buttons[nextMode % 3];
    }

    // What the active screen shows, on it and on the screens it holds.
    void look(Context* screen)
    {
        for (std::vector<V3>* points : {&interactive, &others, &smileys, &helpful})
            points->clear();
        avoided.clear();
        preferred.reset();
        bModeScreen = dynamic_cast<const ContextGametypes*>(screen) != nullptr;
        controller = dynamic_cast<GameController*>(screen);
        walk(screen, screen);
    }

    void walk(const KivBase* node, const Context* screen)
    {
        for (const BasicLink* link = node->pFirstChild; link; link = link->pNext) {
            const auto* child = static_cast<const KivBase*>(link);
            const auto* shown = dynamic_cast<const Renderable*>(child);
            if (link->bDead || child->bIgnoreEvents || (shown && shown->bHidden))
                continue;
            const auto* inner = dynamic_cast<const Context*>(child);
            if (shown && !inner)
                consider(shown, screen);
            walk(child, inner ? inner : screen);
        }
    }

    void consider(const Renderable* object, const Context* screen)
    {
        auto* smiley = dynamic_cast<Smiley*>(const_cast<Renderable*>(object));
        const Renderable& bounds = smiley ? smiley->halo : *object;
        const V3 centre = bounds.boundsCentre;
        const V3 at = screen->pCamera->world2screen(centre.x, centre.y, centre.z);
        const KivGraphics& view = *pKiv->pGraphics;
        if (bounds.boundsRadius <= 0.0f)
            return;
        if (isOffLimits(object, screen)) {
            const V3 edge = screen->pCamera->world2screen(centre.x + bounds.boundsRadius, centre.y, centre.z);
            avoided.emplace_back(at, std::abs(edge.x - at.x) * 1.25f + 4.0f);
            return;
        }
        if (at.x < 0.0f || at.y < 0.0f || at.x >= view.fovWidth || at.y >= view.fovHeight)
            return;
        if (!smiley) {
            const bool leavesTheGame = controller && dynamic_cast<const MenuButtonQuit*>(object);
            (isInteractive(object) && !leavesTheGame ? interactive : others).push_back(at);
            const auto* menu = dynamic_cast<const ContextMain*>(screen);
            if ((menu && object == menu->pStartButton) || object == nextModeButton(screen))
                preferred = at;
            return;
        }
        // State 2: in the house, waiting to be matched.
        if (!controller || smiley->state != Smiley::STATE_PRESENT || !smiley->selectable)
            return;
        smileys.push_back(at);
        Smiley* selected = controller->getSelectedSmiley();
        if (selected ? smiley != selected && selected->canMatch(smiley, false) : controller->countPartners(smiley) > 0)
            helpful.push_back(at);
    }

    bool isAvoided(const V3& at) const
    {
        return std::any_of(avoided.begin(), avoided.end(), [&at](const std::pair<V3, float>& button) {
            const V3 apart = at - button.first;
            return apart.x * apart.x + apart.y * apart.y < button.second * button.second;
        });
    }

    V3 randomPoint()
    {
        const KivGraphics& view = *pKiv->pGraphics;
        for (;;) {
            const float x = static_cast<float>(uniform()) * view.fovWidth;
            const V3 at(x, static_cast<float>(uniform()) * view.fovHeight, 0.0f);
            if (!isAvoided(at))
                return at;
        }
    }

    // A step of the drag towards its end point; at the end the button goes up.
    void moveDragOn()
    {
        const KivInput& input = *pKiv->pInput;
        testsupport::moveTo(input.mouseX + (dragTo.x - input.mouseX) / static_cast<float>(dragFrames),
                            input.mouseY + (dragTo.y - input.mouseY) / static_cast<float>(dragFrames));
        if (--dragFrames == 0)
            testsupport::leftButton(false);
    }

    V3 pickPoint()
    {
        if (!smileys.empty() && chance(0.85))
            return any(!helpful.empty() && chance(0.7) ? helpful : smileys);
        if (preferred && (bModeScreen || chance(0.25))) {
            nextMode += bModeScreen;
            return *preferred;
        }
        const double roll = uniform();
        const V3 at = roll < 0.75 && !interactive.empty() ? any(interactive)
                      : roll < 0.85 && !others.empty()    ? any(others)
                                                          : randomPoint();
        return isAvoided(at) ? randomPoint() : at;
    }

    void pressSomeKey(const Context* screen)
    {
        using namespace testsupport;
        const double roll = uniform();
        // On the main menu Escape asks to quit, and the answer might be yes.
        if (roll < 0.03 && !dynamic_cast<const ContextMain*>(screen))
            pressKey(KEY_ESCAPE);
        else if (roll < 0.4)
            pressKey(roll < 0.2 ? KEY_RETURN : roll < 0.3 ? KEY_SPACE : KivInput::scanCodeFromSDLKey(SDLK_BACKSPACE));
        else
            pressKey(KivInput::scanCodeFromSDLKey(SDLK_a + static_cast<int>(below(26))));
    }

    std::mt19937 random;
    // Frames left of the drag under way, and where it ends.
    int dragFrames = 0;
    V3 dragTo;
    GameController* controller = nullptr;
    // View units, from the bottom-left corner: what can be clicked, other
    // things shown, the smileys of a house being played and those of them
    // with a partner (or the partner of the selected one), and the buttons
    // to keep away from with the radius to keep.
    std::vector<V3> interactive, others, smileys, helpful;
    std::vector<std::pair<V3, float>> avoided;
    // The main menu's start button, or the mode screen's button of the mode
    // whose turn it is.
    std::optional<V3> preferred;
    bool bModeScreen = false;
    int nextMode = 0;
};

} // namespace soaktest
