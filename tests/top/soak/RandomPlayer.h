#pragma once
// RandomPlayer: a restless player for the soak test. Before each frame it
// may click, drag, press a key or leave the window for a while, all through
// KivInput and the window hooks as a real player's input arrives, so that
// the screens' own hit tests decide what was hit. It favours what can be
// clicked on the active screen (menu items, smileys, vitamins, coins, dialog
// buttons, language flags), found by walking the screen's object tree for
// objects with bounds inside the view; in a house being played it often
// picks a smiley that has a partner, or the partner of the selected one, so
// that games get past their first houses. Escape is rare, so that games
// last.
//
// It never ends the program, which a test process cannot start again: it
// leaves alone the main menu's quit button and every button that opens a web
// page (both end the run), and never presses Escape while the main menu is
// on top. It leaves the full-screen switch alone too (see isOffLimits). All
// its choices come from its own generator, seeded by the test, so a seed
// replays the same run. Main thread only, with the game running.
#include "Coin.h"
#include "ContextMain.h"
#include "ContextOptionsGraphics.h"
#include "GUIitem.h"
#include "GameController.h"
#include "GameHarness.h"
#include "LanguageFlag.h"
#include "MenuBool.h"
#include "MenuButtonQuit.h"
#include "MenuButtonURL.h"
#include "MenuItem.h"
#include "Orb.h"
#include "Smiley.h"
#include "WMhooks.h"

#include <SDL/SDL.h>

#include <cmath>
#include <iterator>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace soaktest {

class RandomPlayer {
public:
    explicit RandomPlayer(unsigned seed) : random(seed) {}

    // The input of the coming frame.
    void act(testsupport::GameHarness& game)
    {
        if (dragFramesLeft > 0) {
            continueDrag();
            return;
        }
        if (awayFramesLeft > 0) {
            if (--awayFramesLeft == 0)
                windowFocusGained();
            return;
        }
        if (!chance(ACTIONS_PER_FRAME))
            return;
        Context* screen = game.activeScreen();
        if (!screen)
            return;
        look(screen);
        const double roll = uniform();
        if (roll < 0.70) {
            clickSomething();
        } else if (roll < 0.80) {
            startDrag();
        } else if (roll < 0.99) {
            pressSomeKey(screen);
        } else {
            // Off to another window for a while.
            windowFocusLost();
            awayFramesLeft = 1 + static_cast<int>(below(200));
            ++absences;
        }
    }

    // Actions of each kind so far, for the report.
    int clicks = 0;
    int drags = 0;
    int keys = 0;
    int absences = 0;

private:
    // Three or four actions a second at fifty frames a second.
    static constexpr double ACTIONS_PER_FRAME = 0.07;

    struct Target {
        // View units, from the bottom-left corner.
        float x, y;
        bool bInteractive;
    };
    struct Circle {
        float x, y, radius;
    };

    double uniform() { return std::uniform_real_distribution<double>(0.0, 1.0)(random); }
    bool chance(double p) { return uniform() < p; }
    size_t below(size_t n) { return std::uniform_int_distribution<size_t>(0, n - 1)(random); }

    static float viewWidth() { return static_cast<float>(pKiv->pGraphics->fovWidth); }
    static float viewHeight() { return static_cast<float>(pKiv->pGraphics->fovHeight); }

    // The world circle of an object on a screen, in view units.
    static Circle onView(const Context* screen, const V3& centre, float radius)
    {
        const V3 middle = screen->pCamera->world2screen(centre.x, centre.y, centre.z);
        const V3 edge = screen->pCamera->world2screen(centre.x + radius, centre.y, centre.z);
        return {middle.x, middle.y, std::abs(edge.x - middle.x)};
    }

    static bool insideView(float x, float y)
    {
        return x >= 0.0f && y >= 0.0f && x < viewWidth() && y < viewHeight();
    }

    // Buttons that would end the program, and the full-screen switch: a
    // full-screen window takes the pointer and keyboard of the whole
    // display, which the tests running beside this one share, and the
    // window system's grab waits for as long as another program holds them.
    static bool isOffLimits(const KivBase* object, const Context* screen)
    {
        if (dynamic_cast<const MenuButtonURL*>(object))
            return true;
        if (dynamic_cast<const MenuButtonQuit*>(object) && dynamic_cast<const ContextMain*>(screen))
            return true;
        const ContextOptionsGraphics* graphics = dynamic_cast<const ContextOptionsGraphics*>(screen);
        return graphics && object == graphics->pFullScreenSwitch;
    }

    static bool isInteractive(const KivBase* object)
    {
        if (const MenuItem* item = dynamic_cast<const MenuItem*>(object))
            return !item->disabled;
        return dynamic_cast<const Orb*>(object) || dynamic_cast<const Coin*>(object) ||
               dynamic_cast<const GUIitem*>(object) || dynamic_cast<const LanguageFlag*>(object);
    }

    // What the active screen shows: targets, the buttons to keep away from,
    // and the smileys of a house being played.
    void look(Context* screen)
    {
        targets.clear();
        avoid.clear();
        present.clear();
        startButton.reset();
        controller = dynamic_cast<GameController*>(screen);
        walk(screen, screen);
    }

    void walk(const KivBase* node, const Context* screen)
    {
        for (const BasicLink* link = node->pFirstChild; link; link = link->pNext) {
            const KivBase* child = static_cast<const KivBase*>(link);
            if (link->bDead || child->bIgnoreEvents)
                continue;
            const Context* childScreen = dynamic_cast<const Context*>(child);
            const Renderable* shown = dynamic_cast<const Renderable*>(child);
            if (shown && shown->bHidden)
                continue;
            if (shown && !childScreen)
                consider(shown, screen);
            walk(child, childScreen ? childScreen : screen);
        }
    }

    void consider(const Renderable* object, const Context* screen)
    {
        if (const Smiley* smiley = dynamic_cast<const Smiley*>(object)) {
            const Circle face = onView(screen, smiley->halo.boundsCentre, smiley->halo.boundsRadius);
            // State 2: in the house, waiting to be matched.
            if (smiley->state == 2 && smiley->selectable && insideView(face.x, face.y)) {
                targets.push_back({face.x, face.y, true});
                present.push_back({const_cast<Smiley*>(smiley), face});
            }
            return;
        }
        if (object->boundsRadius <= 0.0f)
            return;
        const Circle circle = onView(screen, object->boundsCentre, object->boundsRadius);
        if (isOffLimits(object, screen)) {
            avoid.push_back(circle);
        } else if (insideView(circle.x, circle.y)) {
            // A game's Exit button only now and then, so that games last.
            const bool leavesTheGame = controller && dynamic_cast<const MenuButtonQuit*>(object);
            targets.push_back({circle.x, circle.y, isInteractive(object) && !leavesTheGame});
            const ContextMain* menu = dynamic_cast<const ContextMain*>(screen);
            if (menu && object == menu->pStartButton)
                startButton = targets.back();
        }
    }

    bool isAvoided(float x, float y) const
    {
        for (const Circle& circle : avoid) {
            const float reach = circle.radius * 1.25f + 4.0f;
            if ((x - circle.x) * (x - circle.x) + (y - circle.y) * (y - circle.y) < reach * reach)
                return true;
        }
        return false;
    }

    // A random point of the view away from the avoided buttons.
    void randomPoint(float& x, float& y)
    {
        do {
            x = static_cast<float>(uniform()) * viewWidth();
            y = static_cast<float>(uniform()) * viewHeight();
        } while (isAvoided(x, y));
    }

    // A smiley with a partner, or the partner of the selected smiley; false
    // when there is none.
    bool pickHelpfulSmiley(float& x, float& y)
    {
        if (!controller || controller->state != GameController::STATE_PLAY || present.empty())
            return false;
        Smiley* selected = controller->getSelectedSmiley();
        std::vector<const Circle*> choices;
        for (auto& [smiley, face] : present) {
            if (smiley == selected)
                continue;
            const bool fits = selected ? selected->canMatch(smiley, false) : controller->countPartners(smiley) > 0;
            if (fits)
                choices.push_back(&face);
        }
        if (choices.empty())
            return false;
        const Circle* face = choices[below(choices.size())];
        x = face->x;
        y = face->y;
        return true;
    }

    void pickPoint(float& x, float& y)
    {
        if (controller && controller->state == GameController::STATE_PLAY && !present.empty() && chance(0.85)) {
            if (chance(0.7) && pickHelpfulSmiley(x, y))
                return;
            const Circle& face = present[below(present.size())].second;
            x = face.x;
            y = face.y;
            return;
        }
        if (startButton && chance(0.25)) {
            x = startButton->x;
            y = startButton->y;
            return;
        }
        std::vector<const Target*> interactive;
        for (const Target& target : targets)
            if (target.bInteractive)
                interactive.push_back(&target);
        const double roll = uniform();
        if (roll < 0.75 && !interactive.empty()) {
            const Target* target = interactive[below(interactive.size())];
            x = target->x;
            y = target->y;
        } else if (roll < 0.85 && !targets.empty()) {
            const Target& target = targets[below(targets.size())];
            x = target.x;
            y = target.y;
        } else {
            randomPoint(x, y);
        }
        if (isAvoided(x, y))
            randomPoint(x, y);
    }

    static void mouseButton(bool down, int button)
    {
        SDL_Event event{};
        event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
        event.button.button = static_cast<Uint8>(button);
        event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
        pKiv->pInput->onEvent(event);
    }

    static void moveMouse(float x, float y)
    {
        pKiv->pInput->mouseX = x;
        pKiv->pInput->mouseY = y;
    }

    void clickSomething()
    {
        float x, y;
        pickPoint(x, y);
        moveMouse(x, y);
        // Now and then another button, or the wheel, which the game ignores.
        static const int others[] = {SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN};
        const int button = chance(0.15) ? others[below(std::size(others))] : SDL_BUTTON_LEFT;
        mouseButton(true, button);
        mouseButton(false, button);
        ++clicks;
    }

    // Pressed at a point, moved in steps over a few frames, released.
    void startDrag()
    {
        float x, y;
        pickPoint(x, y);
        moveMouse(x, y);
        mouseButton(true, SDL_BUTTON_LEFT);
        dragFramesLeft = 2 + static_cast<int>(below(20));
        float endX, endY;
        randomPoint(endX, endY);
        dragStepX = (endX - x) / static_cast<float>(dragFramesLeft);
        dragStepY = (endY - y) / static_cast<float>(dragFramesLeft);
        ++drags;
    }

    void continueDrag()
    {
        KivInput& input = *pKiv->pInput;
        moveMouse(input.mouseX + dragStepX, input.mouseY + dragStepY);
        if (--dragFramesLeft == 0)
            mouseButton(false, SDL_BUTTON_LEFT);
    }

    void pressSomeKey(const Context* screen)
    {
        ++keys;
        const double roll = uniform();
        if (roll < 0.03) {
            // On the main menu Escape asks to quit, and the answer might be yes.
            if (!dynamic_cast<const ContextMain*>(screen))
                testsupport::pressKey(testsupport::KEY_ESCAPE);
        } else if (roll < 0.18) {
            testsupport::pressKey(testsupport::KEY_RETURN);
        } else if (roll < 0.33) {
            testsupport::pressKey(testsupport::KEY_SPACE);
        } else if (roll < 0.38) {
            testsupport::pressKey(KivInput::scanCodeFromSDLKey(SDLK_BACKSPACE));
        } else if (roll < 0.45) {
            static const int arrows[] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT, SDLK_TAB};
            testsupport::pressKey(KivInput::scanCodeFromSDLKey(arrows[below(std::size(arrows))]));
        } else if (roll < 0.52) {
            testsupport::pressKey(KivInput::scanCodeFromSDLKey(SDLK_0 + static_cast<int>(below(10))));
        } else {
            testsupport::pressKey(KivInput::scanCodeFromSDLKey(SDLK_a + static_cast<int>(below(26))));
        }
    }

    std::mt19937 random;
    std::vector<Target> targets;
    std::vector<Circle> avoid;
    std::vector<std::pair<Smiley*, Circle>> present;
    GameController* controller = nullptr;
    // The main menu's start button among the targets, while the menu is on top.
    std::optional<Target> startButton;
    int dragFramesLeft = 0;
    int awayFramesLeft = 0;
    float dragStepX = 0.0f, dragStepY = 0.0f;
};

} // namespace soaktest
