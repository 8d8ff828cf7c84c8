#include "KivInput.h"

#include "Kiv.h"
#include "KivGraphics.h"
#include "Logger.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <cstdlib>

namespace {

// Joystick axis values closer to the centre than this are no direction.
constexpr int AXIS_DEAD_ZONE = 16384;

struct KeyMapping {
    int sdlKey;
    int scanCode;
};

// Every key of a full PC keyboard (and the few extra SDL 1.2 names for the
// same keys) by its DirectInput scan code.
constexpr KeyMapping KEY_TABLE[] = {
    {SDLK_ESCAPE, 1},
    {SDLK_1, 2}, {SDLK_2, 3}, {SDLK_3, 4}, {SDLK_4, 5}, {SDLK_5, 6},
    {SDLK_6, 7}, {SDLK_7, 8}, {SDLK_8, 9}, {SDLK_9, 10}, {SDLK_0, 11},
    {SDLK_MINUS, 12}, {SDLK_EQUALS, 13}, {SDLK_BACKSPACE, 14}, {SDLK_TAB, 15},
    {SDLK_q, 16}, {SDLK_w, 17}, {SDLK_e, 18}, {SDLK_r, 19}, {SDLK_t, 20},
    {SDLK_y, 21}, {SDLK_u, 22}, {SDLK_i, 23}, {SDLK_o, 24}, {SDLK_p, 25},
    {SDLK_LEFTBRACKET, 26}, {SDLK_RIGHTBRACKET, 27}, {SDLK_RETURN, 28}, {SDLK_LCTRL, 29},
    {SDLK_a, 30}, {SDLK_s, 31}, {SDLK_d, 32}, {SDLK_f, 33}, {SDLK_g, 34},
    {SDLK_h, 35}, {SDLK_j, 36}, {SDLK_k, 37}, {SDLK_l, 38},
    {SDLK_SEMICOLON, 39}, {SDLK_QUOTE, 40}, {SDLK_BACKQUOTE, 41}, {SDLK_LSHIFT, 42}, {SDLK_BACKSLASH, 43},
    {SDLK_z, 44}, {SDLK_x, 45}, {SDLK_c, 46}, {SDLK_v, 47}, {SDLK_b, 48}, {SDLK_n, 49}, {SDLK_m, 50},
    {SDLK_COMMA, 51}, {SDLK_PERIOD, 52}, {SDLK_SLASH, 53}, {SDLK_RSHIFT, 54},
    {SDLK_KP_MULTIPLY, 55}, {SDLK_LALT, 56}, {SDLK_SPACE, 57}, {SDLK_CAPSLOCK, 58},
    {SDLK_F1, 59}, {SDLK_F2, 60}, {SDLK_F3, 61}, {SDLK_F4, 62}, {SDLK_F5, 63},
    {SDLK_F6, 64}, {SDLK_F7, 65}, {SDLK_F8, 66}, {SDLK_F9, 67}, {SDLK_F10, 68},
    {SDLK_NUMLOCK, 69}, {SDLK_SCROLLOCK, 70},
    {SDLK_KP7, 71}, {SDLK_KP8, 72}, {SDLK_KP9, 73}, {SDLK_KP_MINUS, 74},
    {SDLK_KP4, 75}, {SDLK_KP5, 76}, {SDLK_KP6, 77}, {SDLK_KP_PLUS, 78},
    {SDLK_KP1, 79}, {SDLK_KP2, 80}, {SDLK_KP3, 81}, {SDLK_KP0, 82}, {SDLK_KP_PERIOD, 83},
    {SDLK_LESS, 86}, {SDLK_F11, 87}, {SDLK_F12, 88},
    {SDLK_F13, 100}, {SDLK_F14, 101}, {SDLK_F15, 102},
    {SDLK_KP_EQUALS, 141}, {SDLK_AT, 145}, {SDLK_COLON, 146}, {SDLK_UNDERSCORE, 147},
    {SDLK_KP_ENTER, 156}, {SDLK_RCTRL, 157},
    {SDLK_KP_DIVIDE, 181}, {SDLK_PRINT, 183}, {SDLK_SYSREQ, 183},
    {SDLK_RALT, 184}, {SDLK_MODE, 184},
    {SDLK_PAUSE, 197}, {SDLK_BREAK, 197},
    {SDLK_HOME, 199}, {SDLK_UP, 200}, {SDLK_PAGEUP, 201}, {SDLK_LEFT, 203}, {SDLK_RIGHT, 205},
    {SDLK_END, 207}, {SDLK_DOWN, 208}, {SDLK_PAGEDOWN, 209}, {SDLK_INSERT, 210}, {SDLK_DELETE, 211},
    {SDLK_LSUPER, 219}, {SDLK_LMETA, 219}, {SDLK_RSUPER, 220}, {SDLK_RMETA, 220},
    {SDLK_MENU, 221}, {SDLK_COMPOSE, 221}, {SDLK_POWER, 222},
};

// Windows-1252 bytes 0x80..0x9F by the Unicode character they stand for.
constexpr uint16_t CP1252_HIGH[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

int windows1252FromUnicode(unsigned unicode)
{
    if (unicode == 0)
        return 0;
    if (unicode < 0x80 || (unicode >= 0xA0 && unicode <= 0xFF))
        return static_cast<int>(unicode);
    for (int i = 0; i < 32; ++i)
        if (CP1252_HIGH[i] == unicode)
            return 0x80 + i;
    return 0;
}

// SDL 1.2 mouse button numbers to the engine's buttons 0..3 (left, right,
// middle, fourth); -1 for the wheel and buttons the engine has no code for.
int mouseButtonIndex(int sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    case 6: return 3;
    default: return -1;
    }
}

} // namespace

KivInput::KivInput()
{
    KIV_LOG("Starting...");
    SDL_EnableUNICODE(1);
    setRelativeMotion(false);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0 && SDL_NumJoysticks() > 0) {
        pJoystick = SDL_JoystickOpen(0);
        if (pJoystick) {
            SDL_JoystickEventState(SDL_ENABLE);
            KIV_LOG("Joystick: %s", SDL_JoystickName(0));
        }
    }
    KIV_LOG("Started.");
}

KivInput::~KivInput()
{
    if (bGrabbed)
        setMouseGrab(false);
    if (pJoystick)
        SDL_JoystickClose(pJoystick);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

int KivInput::scanCodeFromSDLKey(int sdlKey)
{
    for (const KeyMapping& mapping : KEY_TABLE)
        if (mapping.sdlKey == sdlKey)
            return mapping.scanCode;
    return 0;
}

void KivInput::press(int code)
{
    live[code] = true;
    latched[code] = true;
}

void KivInput::release(int code)
{
    live[code] = false;
}

void KivInput::onEvent(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (int code = scanCodeFromSDLKey(event.key.keysym.sym)) {
            press(code);
            const int typed =
                event.key.keysym.sym == SDLK_BACKSPACE ? 8 : windows1252FromUnicode(event.key.keysym.unicode);
            keyPresses.push({code, typed});
        }
        break;
    case SDL_KEYUP:
        if (int code = scanCodeFromSDLKey(event.key.keysym.sym))
            release(code);
        break;
    case SDL_MOUSEMOTION:
        onMouseMotion(event.motion.x, event.motion.y, event.motion.xrel, event.motion.yrel);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        onMouseButton(event.type == SDL_MOUSEBUTTONDOWN, event.button.button, event.button.x, event.button.y);
        break;
    case SDL_JOYAXISMOTION:
        onJoystickAxis(event.jaxis.axis, event.jaxis.value);
        break;
    case SDL_JOYHATMOTION:
        onJoystickHat(event.jhat.value);
        break;
    case SDL_JOYBUTTONDOWN:
        if (event.jbutton.button < JOYSTICK_BUTTONS)
            press(FIRST_JOYSTICK_BUTTON + event.jbutton.button);
        break;
    case SDL_JOYBUTTONUP:
        if (event.jbutton.button < JOYSTICK_BUTTONS)
            release(FIRST_JOYSTICK_BUTTON + event.jbutton.button);
        break;
    case SDL_ACTIVEEVENT:
        // Keys released while another window had the focus never report
        // their release here; forget them instead of leaving them stuck.
        if ((event.active.state & SDL_APPINPUTFOCUS) && !event.active.gain)
            std::fill(std::begin(live), std::end(live), false);
        break;
    default:
        break;
    }
}

void KivInput::onJoystickAxis(int axis, int value)
{
    int negative = axis == 0 ? JOYSTICK_LEFT : JOYSTICK_UP;
    int positive = axis == 0 ? JOYSTICK_RIGHT : JOYSTICK_DOWN;
    if (axis > 1)
        return;
    if (value < -AXIS_DEAD_ZONE)
        press(negative);
    else
        release(negative);
    if (value > AXIS_DEAD_ZONE)
        press(positive);
    else
        release(positive);
}

void KivInput::onJoystickHat(int value)
{
    const int directions[4][2] = {
        {SDL_HAT_UP, JOYSTICK_UP}, {SDL_HAT_DOWN, JOYSTICK_DOWN}, {SDL_HAT_LEFT, JOYSTICK_LEFT}, {SDL_HAT_RIGHT, JOYSTICK_RIGHT}};
    for (const auto& direction : directions) {
        if (value & direction[0])
            press(direction[1]);
        else
            release(direction[1]);
    }
}

void KivInput::onMouseMotion(int x, int y, int dx, int dy)
{
    // The direction codes are down for the frame in which the mouse moved.
    if (dy < 0)
        latched[MOUSE_UP] = true;
    if (dy > 0)
        latched[MOUSE_DOWN] = true;
    if (dx < 0)
        latched[MOUSE_LEFT] = true;
    if (dx > 0)
        latched[MOUSE_RIGHT] = true;
    if (!bRelativeMotion) {
        followSystemPointer(x, y);
        return;
    }
    syncPointer();
    float width = 0.0f, height = 0.0f;
    windowSize(width, height);
    pointerX += static_cast<float>(dx * mouseSpeed) * viewWidth() / width;
    pointerY -= static_cast<float>(dy * mouseSpeed) * viewHeight() / height;
    pointerX = std::clamp(pointerX, 0.0f, viewWidth());
    pointerY = std::clamp(pointerY, 0.0f, viewHeight());
    bPointerMoved = true;
}

void KivInput::onMouseButton(bool down, int sdlButton, int x, int y)
{
    // A button event carries the place where it happened.
    if (!bRelativeMotion)
        followSystemPointer(x, y);
    const int button = mouseButtonIndex(sdlButton);
    if (button < 0)
        return;
    if (!down) {
        release(FIRST_MOUSE_BUTTON + button);
        return;
    }
    press(FIRST_MOUSE_BUTTON + button);
    syncPointer();
    if (!bPressPlaced) {
        pressX = pointerX;
        pressY = pointerY;
        bPressPlaced = true;
    }
}

void KivInput::syncPointer()
{
    if (bPointerMoved || bPressPlaced)
        return;
    pointerX = mouseX;
    pointerY = mouseY;
}

void KivInput::followSystemPointer(int x, int y)
{
    syncPointer();
    int shownX = 0, shownY = 0;
    viewToWindow(pointerX, pointerY, shownX, shownY);
    // The pixel the pointer shows already (the echo of a warp among them)
    // leaves it where it is within that pixel.
    if (shownX == x && shownY == y)
        return;
    windowToView(static_cast<float>(x), static_cast<float>(y), pointerX, pointerY);
    bPointerMoved = true;
}

void KivInput::update()
{
    std::copy(std::begin(current), std::end(current), std::begin(previous));
    for (int code = 0; code < KEY_COUNT; ++code) {
        current[code] = live[code] || latched[code];
        latched[code] = false;
    }
    current[0] = false;
    bool left = current[FIRST_MOUSE_BUTTON];
    bool right = current[FIRST_MOUSE_BUTTON + 1];
    bMouseHeld[0] = bSwapMouseButtons ? right : left;
    bMouseHeld[1] = bSwapMouseButtons ? left : right;
    keyPresses.handOut();
    publishPointer();

    if (!bGrabbed)
        return;
    if (wantsRelativeMotion() != bRelativeMotion) {
        setRelativeMotion(!bRelativeMotion);
        // SDL looks at the setting again when the cursor is shown or hidden.
        SDL_ShowCursor(SDL_ENABLE);
        SDL_ShowCursor(SDL_DISABLE);
        if (!bRelativeMotion)
            warpSystemPointer();
    }
    releaseGrabAtTheEdge();
}

void KivInput::publishPointer()
{
    if (bPressPlaced) {
        // A press is judged where it happened; motion after it in the same
        // frame shows in the next.
        mouseX = pressX;
        mouseY = pressY;
        bPressPlaced = false;
        bPointerMoved = pointerX != pressX || pointerY != pressY;
    } else if (bPointerMoved) {
        mouseX = pointerX;
        mouseY = pointerY;
        bPointerMoved = false;
    }
}

void KivInput::releaseGrabAtTheEdge()
{
    // In a window the grab keeps the system pointer inside; reaching the
    // window's edge is the player's way out.
    if (!bPointerShown || isFullScreen())
        return;
    float width = 0.0f, height = 0.0f;
    windowSize(width, height);
    int x = 0, y = 0;
    viewToWindow(mouseX, mouseY, x, y);
    if (x <= 0 || y <= 0 || x >= static_cast<int>(width) - 1 || y >= static_cast<int>(height) - 1)
        setMouseGrab(false);
}

void KivInput::reset()
{
    std::fill(std::begin(current), std::end(current), false);
    std::fill(std::begin(previous), std::end(previous), false);
    std::fill(std::begin(live), std::end(live), false);
    std::fill(std::begin(latched), std::end(latched), false);
    bMouseHeld[0] = bMouseHeld[1] = false;
    keyPresses.giveBack();
}

bool KivInput::isDown(int code) const
{
    return code > 0 && code < KEY_COUNT && current[code];
}

bool KivInput::wentDown(int code) const
{
    return code > 0 && code < KEY_COUNT && current[code] && !previous[code];
}

bool KivInput::isMouseButtonPressed() const
{
    for (int code = FIRST_MOUSE_BUTTON; code < FIRST_MOUSE_BUTTON + MOUSE_BUTTONS; ++code)
        if (wentDown(code))
            return true;
    return false;
}

int KivInput::getPressedKey() const
{
    if (keyPresses.current.code != 0)
        return keyPresses.current.code;
    return getLowestWentDown();
}

int KivInput::getLowestWentDown() const
{
    for (int code = 1; code < KEY_COUNT; ++code)
        if (wentDown(code))
            return code;
    return 0;
}

int KivInput::getKeyChar(int code) const
{
    if (code < 1 || code > 255 || code != keyPresses.current.code)
        return 0;
    return keyPresses.current.character;
}

void KivInput::setMouseGrab(bool on, float x, float y, float z)
{
    if (on && !bGrabbed) {
        for (int code = MOUSE_UP; code <= MOUSE_RIGHT; ++code)
            latched[code] = current[code] = false;
        setRelativeMotion(wantsRelativeMotion());
        SDL_WM_GrabInput(SDL_GRAB_ON);
        SDL_ShowCursor(SDL_DISABLE);
        bGrabbed = true;
        if (x != 0.0f || y != 0.0f || z != 0.0f) {
            windowToView(x, y, pointerX, pointerY);
            bPointerMoved = true;
        }
    } else if (!on && bGrabbed) {
        SDL_WM_GrabInput(SDL_GRAB_OFF);
        SDL_ShowCursor(SDL_ENABLE);
        bGrabbed = false;
        setRelativeMotion(false);
        warpSystemPointer();
    }
}

void KivInput::placePointer(float viewX, float viewY)
{
    mouseX = pointerX = viewX;
    mouseY = pointerY = viewY;
    bPointerMoved = false;
    bPressPlaced = false;
    // A relative mouse has no system pointer to agree with.
    if (!bRelativeMotion && ownsSystemPointer())
        warpSystemPointer();
}

bool KivInput::ownsSystemPointer() const
{
    return bGrabbed || (SDL_GetAppState() & SDL_APPMOUSEFOCUS) != 0;
}

void KivInput::warpSystemPointer()
{
    syncPointer();
    int x = 0, y = 0;
    viewToWindow(pointerX, pointerY, x, y);
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
}

bool KivInput::wantsRelativeMotion() const
{
    return isFullScreen() && mouseSpeed != 1.0;
}

void KivInput::setRelativeMotion(bool relative)
{
    bRelativeMotion = relative;
    // SDL on X11 reads this each time it decides (grab, cursor or focus
    // change); left alone it turns every grabbed, hidden mouse into relative
    // steps, and the window would lose where an absolute device (a tablet, a
    // touch screen, a remote desktop) puts the pointer.
    setenv("SDL_MOUSE_RELATIVE", relative ? "1" : "0", 1);
}

void KivInput::releaseForFatalError()
{
    if (!bGrabbed)
        return;
    SDL_WM_GrabInput(SDL_GRAB_OFF);
    SDL_ShowCursor(SDL_ENABLE);
    bGrabbed = false;
}

float KivInput::viewWidth() const
{
    return pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovWidth) : 640.0f;
}

float KivInput::viewHeight() const
{
    return pKiv && pKiv->pGraphics ? static_cast<float>(pKiv->pGraphics->fovHeight) : 480.0f;
}

bool KivInput::isFullScreen() const
{
    return pKiv && pKiv->pGraphics && pKiv->pGraphics->bFullScreen;
}

void KivInput::windowSize(float& width, float& height) const
{
    const SDL_Surface* surface = SDL_GetVideoSurface();
    width = surface && surface->w > 0 ? static_cast<float>(surface->w) : viewWidth();
    height = surface && surface->h > 0 ? static_cast<float>(surface->h) : viewHeight();
}

void KivInput::windowToView(float x, float y, float& viewX, float& viewY) const
{
    float width = 0.0f, height = 0.0f;
    windowSize(width, height);
    viewX = x * viewWidth() / width;
    viewY = (height - y) * viewHeight() / height;
}

void KivInput::viewToWindow(float viewX, float viewY, int& x, int& y) const
{
    float width = 0.0f, height = 0.0f;
    windowSize(width, height);
    x = static_cast<int>(viewX * width / viewWidth());
    y = static_cast<int>(height - viewY * height / viewHeight());
    x = std::clamp(x, 0, std::max(0, static_cast<int>(width) - 1));
    y = std::clamp(y, 0, std::max(0, static_cast<int>(height) - 1));
}
