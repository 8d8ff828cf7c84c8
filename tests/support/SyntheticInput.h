#pragma once
// Player input for tests that step frames with the FrameDriver: SDL events
// made here and handed to KivInput::onEvent (or, for a replay, to the
// program's main-loop handler: eventSink) with no SDL event queue, several in
// one frame when a test wants them so, exactly as the event pump delivers
// them between two frames; the next frame's input update then sees them and
// the screens' own hit tests decide what was clicked. A press followed at
// once by its release is still one frame's press. Mouse events carry window
// pixels, as SDL's do; clicks put the program's pointer on a world point of
// a screen through that screen's camera at depth 0 and leave it there. The
// event makers also serve tests of a KivInput of their own. Used by
// GameHarness and by tests that drive screens of their own; main thread
// only, with an engine (pKiv) running for everything that feeds pKiv.
#include "Camera.h"
#include "Context.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Renderable.h"

#include <SDL/SDL.h>

#include <cctype>
#include <functional>
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

// Where feed delivers: when set, to it (a replay hands each event to the
// program's main-loop handler), else straight to the engine's input.
inline std::function<void(const SDL_Event&)>& eventSink()
{
    static std::function<void(const SDL_Event&)> sink;
    return sink;
}

// The events reach the engine's input in order, as one pump delivers them.
inline void feed(const std::vector<SDL_Event>& events)
{
    for (const SDL_Event& event : events) {
        if (eventSink())
            eventSink()(event);
        else
            pKiv->pInput->onEvent(event);
    }
}

// The window pixel that shows the program's pointer.
inline void pointerPixel(int& x, int& y)
{
    const KivInput& input = *pKiv->pInput;
    input.viewToWindow(input.mouseX, input.mouseY, x, y);
}

// A left-button press (down) or release where the program's pointer is.
inline void leftButton(bool down)
{
    int x = 0, y = 0;
    pointerPixel(x, y);
    feed({buttonEvent(down, x, y)});
}

// The program's pointer on the world point (x, y) at depth 0 of the screen,
// and left there.
inline void pointAt(float worldX, float worldY, const Context* screen)
{
    const V3 view = screen->pCamera->world2screen(worldX, worldY, 0.0f);
    pKiv->pInput->mouseX = view.x;
    pKiv->pInput->mouseY = view.y;
}

// The program's pointer on the world point (x, y) at depth 0 of the screen
// (and left there), then a left-button press and release.
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

// SDL's key for the scan code (1..255); SDLK_UNKNOWN when none has it.
inline SDLKey sdlKeyOf(int code)
{
    for (int candidate = SDLK_FIRST + 1; candidate < SDLK_LAST; ++candidate)
        if (KivInput::scanCodeFromSDLKey(candidate) == code)
            return static_cast<SDLKey>(candidate);
    return SDLK_UNKNOWN;
}

// A press and release of the key (a scan code 1..255), typing the
// character the unshifted key types.
inline void pressKey(int code)
{
    const SDLKey symbol = sdlKeyOf(code);
    // SDL 1.2 names the keys of the ASCII range by the character they type.
    const Uint16 typed = static_cast<Uint16>(symbol < 128 ? symbol : 0);
    feed({keyEvent(true, symbol, typed), keyEvent(false, symbol)});
}

} // namespace testsupport
