#pragma once
// Player input for tests that step frames: SDL events made here and fed,
// several in one frame when a test wants them so; they wait in order until
// the next frame takes them, exactly as the event pump delivers them
// between two frames: the program's loop pass reads them as its window's
// events (takeFedEvent), a frame over a screen of a test's own hands them
// to the engine (deliverFedEvents). That frame's input update then sees
// them and the screens' own hit tests decide what was clicked. A press
// followed at once by its release is still one frame's press. Mouse events
// carry window pixels, as SDL's do, so the pointer stands on whole pixels;
// pointing at a world point of a screen moves it to the pixel that shows
// the point through that screen's camera at depth 0 and leaves it there.
// The event makers also serve tests of a KivInput of their own. Used by
// GameHarness and by tests that drive screens of their own; main thread
// only, with an engine (pKiv) running for everything that feeds pKiv.
#include "Camera.h"
#include "Context.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Renderable.h"

#include <SDL/SDL.h>

#include <cctype>
#include <cmath>
#include <deque>
#include <initializer_list>
#include <string>
#include <vector>

namespace testsupport {

// DirectInput scan codes of the keys tests press most; other keys are
// KivInput::scanCodeFromSDLKey(SDLK_...).
constexpr int KEY_ESCAPE = KivInput::KEY_ESCAPE;
constexpr int KEY_RETURN = 28;
constexpr int KEY_SPACE = 57;
constexpr int KEY_BACKSPACE = 14;
// The second Fire key by default.
constexpr int KEY_LEFT_SHIFT = 42;
// Print Screen, which takes a screenshot.
constexpr int KEY_PRINT_SCREEN = 183;

inline SDL_Event keyEvent(bool down, SDLKey key, Uint16 unicode = 0)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    event.key.keysym.unicode = unicode;
    return event;
}

// The system pointer moved to the window pixel (x, y) by (dx, dy).
inline SDL_Event motionEvent(int x, int y, int dx = 0, int dy = 0)
{
    SDL_Event event{};
    event.type = SDL_MOUSEMOTION;
    event.motion.x = static_cast<Uint16>(x);
    event.motion.y = static_cast<Uint16>(y);
    event.motion.xrel = static_cast<Sint16>(dx);
    event.motion.yrel = static_cast<Sint16>(dy);
    return event;
}

// A mouse button went down or up at the window pixel (x, y).
inline SDL_Event buttonEvent(bool down, int x, int y, Uint8 button = SDL_BUTTON_LEFT)
{
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = button;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.button.x = static_cast<Uint16>(x);
    event.button.y = static_cast<Uint16>(y);
    return event;
}

// The key events of typing the text on a US keyboard: a capital letter
// with Left Shift held around it, every key down and up again before the
// next (pass the events one by one, or all before one frame).
inline std::vector<SDL_Event> typingEvents(const std::string& text)
{
    std::vector<SDL_Event> events;
    for (const char c : text) {
        const bool shifted = std::isupper(static_cast<unsigned char>(c)) != 0;
        // SDL 1.2 names the keys of the ASCII range (Backspace and Return
        // too) by the character they type unshifted.
        const SDLKey key = static_cast<SDLKey>(std::tolower(static_cast<unsigned char>(c)));
        const Uint16 typed = static_cast<Uint16>(static_cast<unsigned char>(c));
        if (shifted)
            events.push_back(keyEvent(true, SDLK_LSHIFT));
        events.push_back(keyEvent(true, key, typed));
        events.push_back(keyEvent(false, key));
        if (shifted)
            events.push_back(keyEvent(false, SDLK_LSHIFT));
    }
    return events;
}

// The window gained (or lost) the input focus.
inline SDL_Event focusEvent(bool gained)
{
    SDL_Event event{};
    event.type = SDL_ACTIVEEVENT;
    event.active.gain = gained ? 1 : 0;
    event.active.state = SDL_APPINPUTFOCUS;
    return event;
}

// The window's close button.
inline SDL_Event quitEvent()
{
    SDL_Event event{};
    event.type = SDL_QUIT;
    return event;
}

// The events fed and not yet taken by a frame, oldest first.
inline std::deque<SDL_Event>& fedEvents()
{
    static std::deque<SDL_Event> waiting;
    return waiting;
}

// The events wait for the next frame, after those fed before them.
inline void feed(const std::vector<SDL_Event>& events)
{
    fedEvents().insert(fedEvents().end(), events.begin(), events.end());
}

// The oldest event fed, taken; false when none waits. A source of window
// events for the program's loop pass (WindowEventSource).
inline bool takeFedEvent(SDL_Event& event)
{
    if (fedEvents().empty())
        return false;
    event = fedEvents().front();
    fedEvents().pop_front();
    return true;
}

// Hands every event fed so far to the engine, in order, as the program's
// loop hands it the window's events.
inline void deliverFedEvents()
{
    SDL_Event event;
    while (takeFedEvent(event))
        pKiv->sdlOnEvent(event);
}

// The window pixel of the program's pointer once the events fed so far
// are taken: where the last of them that carries a place puts it, else
// where it stands.
inline void pointerPixel(int& x, int& y)
{
    for (auto event = fedEvents().rbegin(); event != fedEvents().rend(); ++event) {
        if (event->type == SDL_MOUSEMOTION) {
            x = event->motion.x;
            y = event->motion.y;
            return;
        }
        if (event->type == SDL_MOUSEBUTTONDOWN || event->type == SDL_MOUSEBUTTONUP) {
            x = event->button.x;
            y = event->button.y;
            return;
        }
    }
    const KivInput& input = *pKiv->pInput;
    input.viewToWindow(input.mouseX, input.mouseY, x, y);
}

// The SDL key of a keyboard code (a DirectInput scan code 1..255);
// SDLK_UNKNOWN when no key has it.
inline SDLKey keyOf(int code)
{
    for (int candidate = SDLK_FIRST + 1; candidate < SDLK_LAST; ++candidate)
        if (KivInput::scanCodeFromSDLKey(candidate) == code)
            return static_cast<SDLKey>(candidate);
    return SDLK_UNKNOWN;
}

// The event of an input code (1..311, see KivInput.h) going down, with
// the character it types for a key, or coming up: a key, a joystick
// direction (its axis pushed all the way) or button, a mouse button where
// the pointer is; a mouse direction moves the pointer by a step that stays
// in its pixel, and its coming up is no event at all.
inline std::vector<SDL_Event> inputEvents(int code, bool down, Uint16 typed = 0)
{
    SDL_Event event{};
    int x = 0, y = 0;
    pointerPixel(x, y);
    if (code < KivInput::FIRST_JOYSTICK_CODE)
        return {keyEvent(down, keyOf(code), typed)};
    if (code <= KivInput::JOYSTICK_RIGHT) {
        const bool bNegative = code == KivInput::JOYSTICK_UP || code == KivInput::JOYSTICK_LEFT;
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = code == KivInput::JOYSTICK_LEFT || code == KivInput::JOYSTICK_RIGHT ? 0 : 1;
        event.jaxis.value = static_cast<Sint16>(!down ? 0 : bNegative ? -32767 : 32767);
        return {event};
    }
    if (code < KivInput::MOUSE_UP) {
        event.type = down ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.button = static_cast<Uint8>(code - KivInput::FIRST_JOYSTICK_BUTTON);
        event.jbutton.state = down ? SDL_PRESSED : SDL_RELEASED;
        return {event};
    }
    if (code < KivInput::FIRST_MOUSE_BUTTON) {
        if (!down)
            return {};
        const int dx = code == KivInput::MOUSE_LEFT ? -1 : code == KivInput::MOUSE_RIGHT ? 1 : 0;
        const int dy = code == KivInput::MOUSE_UP ? -1 : code == KivInput::MOUSE_DOWN ? 1 : 0;
        return {motionEvent(x, y, dx, dy)};
    }
    static const Uint8 BUTTONS[] = {SDL_BUTTON_LEFT, SDL_BUTTON_RIGHT, SDL_BUTTON_MIDDLE, 6};
    return {buttonEvent(down, x, y, BUTTONS[code - KivInput::FIRST_MOUSE_BUTTON])};
}

// A left-button press (down) or release where the program's pointer is.
inline void leftButton(bool down)
{
    feed(inputEvents(KivInput::FIRST_MOUSE_BUTTON, down));
}

// The system pointer moved to the pixel that shows the view point (view
// units from the left and bottom edges), the program's pointer with it: the
// mouse's steps, which the input scales by its speed where it takes them
// rather than the system pointer (full screen), span those pixels to the
// nearest step.
inline void moveTo(float viewX, float viewY)
{
    int x = 0, y = 0, fromX = 0, fromY = 0;
    pointerPixel(fromX, fromY);
    const KivInput& input = *pKiv->pInput;
    input.viewToWindow(viewX, viewY, x, y);
    const auto steps = [&input](int pixels) { return static_cast<int>(std::lround(pixels / input.mouseSpeed)); };
    feed({motionEvent(x, y, steps(x - fromX), steps(y - fromY))});
}

// The pointer moved to the world point (x, y) at depth 0 of the screen, and
// left there.
inline void pointAt(float worldX, float worldY, const Context* screen)
{
    const V3 view = screen->pCamera->world2screen(worldX, worldY, 0.0f);
    moveTo(view.x, view.y);
}

// The pointer on the world point (x, y) at depth 0 of the screen (and left
// there), then a left-button press and release.
inline void clickAt(float worldX, float worldY, const Context* screen)
{
    pointAt(worldX, worldY, screen);
    leftButton(true);
    leftButton(false);
}

// The screen an object belongs to: its nearest ancestor that is a Context.
inline const Context* screenOf(const KivBase* object)
{
    for (const KivBase* node = object->getParent(); node; node = node->getParent())
        if (const Context* screen = dynamic_cast<const Context*>(node))
            return screen;
    return nullptr;
}

// A click on the centre of the object's bounds (its position while it has
// no bounds yet) through the camera of the screen that holds it; the object
// must belong to a screen.
inline void clickOn(const Renderable* object)
{
    const V3 point = object->boundsRadius > 0.0f ? object->boundsCentre : object->position;
    clickAt(point.x, point.y, screenOf(object));
}

// A press and release of the key (a scan code 1..255), typing the
// character the unshifted key types.
inline void pressKey(int code)
{
    const SDLKey symbol = keyOf(code);
    // SDL 1.2 names the keys of the ASCII range by the character they type.
    const Uint16 typed = static_cast<Uint16>(symbol < 128 ? symbol : 0);
    feed({keyEvent(true, symbol, typed), keyEvent(false, symbol)});
}

} // namespace testsupport
