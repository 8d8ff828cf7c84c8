#pragma once
// Player input for tests that step frames with the FrameDriver: mouse clicks
// and key presses handed to KivInput::onEvent as synthetic SDL events (no
// SDL event queue), so that the next frame's input update sees a fresh press
// exactly as it would from the window, and the screens' own hit tests decide
// what was clicked. A press is followed at once by its release, which the
// input keeps as one frame's press. The mouse is the program's virtual
// mouse, in view units from the left and bottom edges; clicks put it on a
// world point of a screen through that screen's camera at depth 0 and leave
// it there. Used by GameHarness and by tests that drive screens of their
// own; main thread only, with an engine (pKiv) running.
#include "Camera.h"
#include "Context.h"
#include "Kiv.h"
#include "KivInput.h"
#include "Renderable.h"

#include <SDL/SDL.h>

namespace testsupport {

// DirectInput scan codes of the keys tests press most; other keys are
// KivInput::scanCodeFromSDLKey(SDLK_...).
constexpr int KEY_ESCAPE = KivInput::KEY_ESCAPE;
constexpr int KEY_RETURN = 28;
constexpr int KEY_SPACE = 57;

// A left-button press (down) or release where the virtual mouse is.
inline void leftButton(bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
    pKiv->pInput->onEvent(event);
}

// The virtual mouse on the world point (x, y) at depth 0 of the screen (and
// left there), then a left-button press and release.
inline void clickAt(float worldX, float worldY, const Context* screen)
{
    const V3 view = screen->pCamera->world2screen(worldX, worldY, 0.0f);
    pKiv->pInput->mouseX = view.x;
    pKiv->pInput->mouseY = view.y;
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
    SDLKey symbol = SDLK_UNKNOWN;
    for (int candidate = SDLK_FIRST + 1; candidate < SDLK_LAST && symbol == SDLK_UNKNOWN; ++candidate)
        if (KivInput::scanCodeFromSDLKey(candidate) == code)
            symbol = static_cast<SDLKey>(candidate);
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = symbol;
    // SDL 1.2 names the keys of the ASCII range by the character they type.
    event.key.keysym.unicode = static_cast<Uint16>(symbol < 128 ? symbol : 0);
    event.key.state = SDL_PRESSED;
    pKiv->pInput->onEvent(event);
    event.type = SDL_KEYUP;
    event.key.state = SDL_RELEASED;
    pKiv->pInput->onEvent(event);
}

} // namespace testsupport
