#pragma once
// A player's keys and clicks for the real program, sent over the X protocol
// as events of its own windows (XSendEvent), on a display of the test's own
// (VirtualDisplay) where no other program's window can take them, or to
// one window and those inside it (the program's window in this process,
// SdlWindow). Positions are window pixels; each key or button goes down and
// up, a few milliseconds apart, so that no press reads as a key's
// auto-repeat. A key is sent by the key code whose first symbol it is, as a
// keyboard that has the key sends it.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>

class WindowInput {
public:
    // target: the window that gets the events, with every window inside it;
    // None: every window of the display.
    explicit WindowInput(const std::string& displayName, Window target = None)
        : pDisplay(XOpenDisplay(displayName.c_str())), top(target)
    {
    }
    ~WindowInput()
    {
        if (pDisplay)
            XCloseDisplay(pDisplay);
    }
    WindowInput(const WindowInput&) = delete;
    WindowInput& operator=(const WindowInput&) = delete;

    bool ready() const { return pDisplay != nullptr; }

    // A key (an X key symbol: XK_Escape, XK_Return, XK_a) pressed and
    // released, with Shift held when asked.
    void key(KeySym symbol, bool bShift = false)
    {
        const unsigned state = bShift ? ShiftMask : 0;
        keyEvent(KeyPress, symbol, state);
        keyEvent(KeyRelease, symbol, state);
    }

    // The key pressed and released while another (a modifier: XK_Alt_L,
    // XK_Control_R) is held: that one goes down first and up last, as a
    // player's hand does it.
    void keyWith(KeySym held, KeySym symbol)
    {
        keyEvent(KeyPress, held, 0);
        key(symbol);
        keyEvent(KeyRelease, held, 0);
    }

    // Gives the key a key code of its own, when the keyboard has it only as
    // another key's second symbol (Meta on a PC keyboard's Alt keys, with
    // Shift) or not at all: a key code without symbols gets it as its first,
    // as a keyboard with such a key (Meta on the Windows keys, xkb's
    // altwin:meta_win) has it. Only on a display of the test's own, before
    // the program connects; false when no key code was free.
    bool giveKeyOfItsOwn(KeySym symbol)
    {
        if (firstSymbolCode(symbol) != 0)
            return true;
        const KeyCode free = firstSymbolCode(NoSymbol);
        if (free == 0)
            return false;
        XChangeKeyboardMapping(pDisplay, free, 1, &symbol, 1);
        XSync(pDisplay, False);
        return firstSymbolCode(symbol) == free;
    }

    // Each character of the text as its key (letters and digits), capitals
    // with Shift.
    void type(const std::string& text)
    {
        for (const char c : text)
            key(XStringToKeysym(std::string(1, c).c_str()), std::isupper(static_cast<unsigned char>(c)));
    }

    // The pointer moved to (x, y).
    void move(int x, int y)
    {
        XEvent event{};
        event.type = MotionNotify;
        event.xmotion.x = x;
        event.xmotion.y = y;
        event.xmotion.same_screen = True;
        event.xmotion.time = nextTime();
        send(event, PointerMotionMask);
    }

    // The pointer moved to (x, y), then the left button pressed and released there.
    void click(int x, int y)
    {
        move(x, y);
        XEvent button{};
        button.xbutton.x = x;
        button.xbutton.y = y;
        button.xbutton.button = Button1;
        button.xbutton.same_screen = True;
        for (const int type : {ButtonPress, ButtonRelease}) {
            button.type = type;
            button.xbutton.time = nextTime();
            send(button, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask);
        }
    }

private:
    // The first key code whose first symbol is the key's (NoSymbol: a key
    // code without any symbol); 0 when none.
    KeyCode firstSymbolCode(KeySym symbol) const
    {
        int first = 0, last = 0;
        XDisplayKeycodes(pDisplay, &first, &last);
        int perCode = 0;
        KeySym* symbols = XGetKeyboardMapping(pDisplay, static_cast<KeyCode>(first), last - first + 1, &perCode);
        KeyCode found = 0;
        for (int code = first; code <= last && found == 0 && symbols; ++code) {
            const KeySym* own = symbols + (code - first) * perCode;
            const bool bNone = std::all_of(own, own + perCode, [](KeySym each) { return each == NoSymbol; });
            if (symbol == NoSymbol ? bNone : perCode > 0 && own[0] == symbol)
                found = static_cast<KeyCode>(code);
        }
        if (symbols)
            XFree(symbols);
        return found;
    }

    // The key code that sends the key: the one whose first symbol it is,
    // else one that has it with a modifier (a capital letter).
    KeyCode keyCode(KeySym symbol) const
    {
        const KeyCode own = firstSymbolCode(symbol);
        return own != 0 ? own : XKeysymToKeycode(pDisplay, symbol);
    }

    void keyEvent(int type, KeySym symbol, unsigned state)
    {
        XEvent event{};
        event.type = type;
        event.xkey.keycode = keyCode(symbol);
        event.xkey.state = state;
        event.xkey.same_screen = True;
        event.xkey.time = nextTime();
        send(event, type == KeyPress ? KeyPressMask : KeyReleaseMask);
    }

    // To the target and every window inside it: each event reaches the
    // windows whose client asked for its kind.
    void send(XEvent event, long mask)
    {
        const Window root = DefaultRootWindow(pDisplay);
        const auto deliver = [&](Window window) {
            event.xany.window = window;
            event.xkey.root = root;
            XSendEvent(pDisplay, window, False, mask, &event);
        };
        const std::function<void(Window)> visit = [&](Window window) {
            Window parentRoot, parent, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(pDisplay, window, &parentRoot, &parent, &children, &count))
                return;
            for (unsigned i = 0; i < count; ++i) {
                deliver(children[i]);
                visit(children[i]);
            }
            if (children)
                XFree(children);
        };
        if (top != None)
            deliver(top);
        visit(top != None ? top : root);
        XSync(pDisplay, False);
    }

    Time nextTime() { return time += 20; }

    Display* pDisplay;
    const Window top;
    Time time = 1000;
};
