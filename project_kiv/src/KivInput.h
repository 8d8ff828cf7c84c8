#pragma once
// KivInput: keyboard, joystick and mouse state by input code 0..311:
// 1..255 keyboard keys by DirectInput scan code (Escape 1, Return 28, Up 200),
// 256..303 joystick directions and buttons, 304..311 mouse directions and
// buttons. Also the program's virtual mouse in view units (origin at the
// bottom-left of the view). Main thread only.
#include "UString.h"

union SDL_Event;

class KivInput {
public:
    static constexpr int KEY_COUNT = 312;
    static constexpr int FIRST_JOYSTICK_CODE = 256;
    static constexpr int FIRST_MOUSE_CODE = 304;

    KivInput();
    ~KivInput();

    void onEvent(const SDL_Event& event);
    // Once per frame before the screens: previous := current, then new state.
    void update();
    // Forgets every down flag (current and previous) and the typed character.
    void reset();

    bool isDown(int code) const;
    // Down now and up in the previous frame.
    bool wentDown(int code) const;
    // Any of the four mouse buttons went down this frame.
    bool isMouseButtonPressed() const;
    // The lowest code that went down this frame; 0 when none.
    int getPressedKey() const;
    // For codes 1..255: the typed character of the last key-down event when
    // that event was this key (backspace 8), else 0.
    int getKeyChar(int code) const;
    void setMouseGrab(bool on, float x = 0.0f, float y = 0.0f, float z = 0.0f);

    // SDL 1.2 key symbol to DirectInput scan code; 0 for keys without one.
    static int scanCodeFromSDLKey(int sdlKey);

    bool current[KEY_COUNT] = {};
    bool previous[KEY_COUNT] = {};
    // The first two mouse buttons held now (swapped with bSwapMouseButtons).
    bool bMouseHeld[2] = {};
    bool bSwapMouseButtons = false;
    // Written by the screen stack each tick.
    bool bPointerShown = true;
    bool bGrabbed = false;
    double mouseSpeed = 1.0;
    // Virtual mouse, view units from the left and bottom edges.
    float mouseX = 0.0f, mouseY = 0.0f;
    // Filled from the language when it is selected.
    UString keyNames[KEY_COUNT];
    int lastKeyCode = 0;
    int lastKeyChar = 0;
};
