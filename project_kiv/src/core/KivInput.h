#pragma once
// KivInput: keyboard, joystick and mouse state by input code 0..311:
//   0        none
//   1..255   keyboard keys by DirectInput scan code (Escape 1, Return 28,
//            Up 200)
//   256..259 joystick up, down, left, right; 272..303 joystick buttons 0..31
//   304..307 mouse up, down, left, right (moved this frame); 308..311 mouse
//            buttons 0..3 (left, right, middle, fourth)
// Key presses also wait in a queue and are handed out one per frame, so that
// typing never loses a character. It keeps the program's pointer in view
// units (origin at the bottom-left of the view) and the mouse grab: the
// pointer follows the system pointer wherever the window reports it, and
// moves by scaled relative steps only for a relative mouse in full screen
// with a mouse speed other than 1. Owned by Kiv; the only class that reads
// SDL's keyboard, mouse and joystick. Main thread only.
#include "KeyPressQueue.h"
#include "UString.h"

#include <cstdint>

union SDL_Event;
struct _SDL_Joystick;

class KivInput {
public:
    static constexpr int KEY_COUNT = 312;
    static constexpr int KEY_ESCAPE = 1;
    static constexpr int FIRST_JOYSTICK_CODE = 256;
    static constexpr int JOYSTICK_UP = 256, JOYSTICK_DOWN = 257, JOYSTICK_LEFT = 258, JOYSTICK_RIGHT = 259;
    static constexpr int FIRST_JOYSTICK_BUTTON = 272;
    static constexpr int JOYSTICK_BUTTONS = 32;
    static constexpr int MOUSE_UP = 304, MOUSE_DOWN = 305, MOUSE_LEFT = 306, MOUSE_RIGHT = 307;
    static constexpr int FIRST_MOUSE_BUTTON = 308;
    static constexpr int MOUSE_BUTTONS = 4;

    KivInput();
    ~KivInput();
    KivInput(const KivInput&) = delete;
    KivInput& operator=(const KivInput&) = delete;

    // Takes in one SDL event (keys, mouse, joystick, focus).
    void onEvent(const SDL_Event& event);
    // Once per frame before the screens: previous := current; current := what
    // the events since the last update left down (a press released within the
    // same frame still counts once); held buttons; the next waiting key press
    // handed out; the frame's pointer; grab release at the edge of a window.
    void update();
    // Forgets every down flag. A key press handed out this frame is handed
    // out again in the next, since its readers have not had it yet (the
    // screen stack resets between the frame's update and the screens' tick).
    void reset();

    bool isDown(int code) const;
    // Down now and up in the previous frame.
    bool wentDown(int code) const;
    // Any of the four mouse buttons went down this frame.
    bool isMouseButtonPressed() const;
    // The key press handed out this frame (key presses are handed out one
    // per frame in the order they arrived); in a frame without one, the
    // lowest code that went down this frame; 0 when none.
    int getPressedKey() const;
    // The lowest code that went down this frame, queue or not; 0 when none.
    // For a binding, where of two inputs going down together the lower wins.
    int getLowestWentDown() const;
    // For codes 1..255: the character typed by the key press handed out this
    // frame (Windows-1252 byte, backspace 8) when that press was this key,
    // else 0.
    int getKeyChar(int code) const;
    // On (when not grabbed): clears the mouse motion, grabs input, hides the
    // system cursor and, unless x, y and z are all 0, puts the pointer at the
    // window point (x, y) in pixels. Off (when grabbed): releases the grab,
    // shows the cursor and moves the system mouse to the pointer.
    void setMouseGrab(bool on, float x = 0.0f, float y = 0.0f, float z = 0.0f);
    // Puts the program's pointer at the view point (view units from the left
    // and bottom edges) for this frame on, and the system pointer with it
    // while the window owns it (grabbed or under it), so that the two agree.
    void placePointer(float viewX, float viewY);
    // Used by the fatal error report: lets the mouse go and shows the cursor
    // without moving the system mouse.
    void releaseForFatalError();
    // The window pixel (x to the right, y down from the top-left corner)
    // that shows the view point, kept inside the window.
    void viewToWindow(float viewX, float viewY, int& x, int& y) const;

    // SDL 1.2 key symbol to DirectInput scan code; 0 for keys without one.
    static int scanCodeFromSDLKey(int sdlKey);

    bool current[KEY_COUNT] = {};
    bool previous[KEY_COUNT] = {};
    // The first two mouse buttons held now (swapped with bSwapMouseButtons).
    bool bMouseHeld[2] = {};
    bool bSwapMouseButtons = false;
    // Written by the screen stack each tick: while set in a windowed display,
    // the grab is released when the pointer reaches the edge of the window.
    bool bPointerShown = true;
    bool bGrabbed = false;
    // Scales the steps of a relative mouse in full screen; written by the
    // settings.
    double mouseSpeed = 1.0;
    // The pointer as this frame's screens see it, in view units from the
    // left and bottom edges: where the frame's first mouse press happened,
    // else where the pointer was when the frame began.
    float mouseX = 0.0f, mouseY = 0.0f;
    // Display names by code; filled from the language when it is selected.
    UString keyNames[KEY_COUNT];
    // The key presses; the one handed out this frame is keyPresses.current.
    KeyPressQueue keyPresses;

private:
    void press(int code);
    void release(int code);
    void onJoystickAxis(int axis, int value);
    void onJoystickHat(int value);
    void onMouseMotion(int x, int y, int dx, int dy);
    void onMouseButton(bool down, int sdlButton, int x, int y);
    // Starts the live pointer from the frame's pointer when no event has
    // moved it since the last update (placePointer writes mouseX).
    void syncPointer();
    // The window reported the system pointer at the pixel (x, y).
    void followSystemPointer(int x, int y);
    // The frame's pointer for the screens, from the press or the live pointer.
    void publishPointer();
    void releaseGrabAtTheEdge();
    // Relative steps only mean something for a relative mouse in full
    // screen whose steps the speed setting scales.
    bool wantsRelativeMotion() const;
    // Tells SDL whether to report relative steps (it does so only while the
    // input is grabbed and the cursor hidden).
    void setRelativeMotion(bool relative);
    bool ownsSystemPointer() const;
    void warpSystemPointer();
    // The window in pixels (the view's size before a display is open).
    void windowSize(float& width, float& height) const;
    void windowToView(float x, float y, float& viewX, float& viewY) const;
    float viewWidth() const;
    float viewHeight() const;
    bool isFullScreen() const;

    // Down according to the events so far.
    bool live[KEY_COUNT] = {};
    // Went down since the last update, even if already released.
    bool latched[KEY_COUNT] = {};
    // The pointer as the events so far left it (view units); becomes the
    // frame's pointer at the next update.
    float pointerX = 0.0f, pointerY = 0.0f;
    bool bPointerMoved = false;
    // Where the first mouse press since the last update happened.
    bool bPressPlaced = false;
    float pressX = 0.0f, pressY = 0.0f;
    // SDL reports relative steps rather than the system pointer's place.
    bool bRelativeMotion = false;
    _SDL_Joystick* pJoystick = nullptr;
};
