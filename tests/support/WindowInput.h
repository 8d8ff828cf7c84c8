#pragma once
// A player's keys and clicks for the real program, sent over the X protocol
// as events of its own windows (XSendEvent), on a display of the test's own
// (VirtualDisplay) where no other program's window can take them. Positions
// are window pixels; each key or button goes down and up, a few
// milliseconds apart, so that no press reads as a key's auto-repeat.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <cctype>
#include <functional>
#include <string>

class WindowInput {
public:
    explicit WindowInput(const std::string& displayName) : pDisplay(XOpenDisplay(displayName.c_str())) {}
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
        XEvent event{};
        event.xkey.keycode = XKeysymToKeycode(pDisplay, symbol);
        event.xkey.state = bShift ? ShiftMask : 0;
        event.xkey.same_screen = True;
        for (const int type : {KeyPress, KeyRelease}) {
            event.type = type;
            event.xkey.time = nextTime();
            send(event, type == KeyPress ? KeyPressMask : KeyReleaseMask);
        }
    }

    // Each character of the text as its key (letters and digits), capitals
    // with Shift.
    void type(const std::string& text)
    {
        for (const char c : text)
            key(XStringToKeysym(std::string(1, c).c_str()), std::isupper(static_cast<unsigned char>(c)));
    }

    // The pointer moved to (x, y), then the left button pressed and released there.
    void click(int x, int y)
    {
        XEvent event{};
        event.type = MotionNotify;
        event.xmotion.x = x;
        event.xmotion.y = y;
        event.xmotion.same_screen = True;
        event.xmotion.time = nextTime();
        send(event, PointerMotionMask);
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
    // To every window of the display: each event reaches the windows whose
    // client asked for its kind.
    void send(XEvent event, long mask)
    {
        const std::function<void(Window)> visit = [&](Window window) {
            Window root, parent, *children = nullptr;
            unsigned count = 0;
            if (!XQueryTree(pDisplay, window, &root, &parent, &children, &count))
                return;
            for (unsigned i = 0; i < count; ++i) {
                event.xany.window = children[i];
                event.xkey.root = root;
                XSendEvent(pDisplay, children[i], False, mask, &event);
                visit(children[i]);
            }
            if (children)
                XFree(children);
        };
        visit(DefaultRootWindow(pDisplay));
        XSync(pDisplay, False);
    }

    Time nextTime() { return time += 20; }

    Display* pDisplay;
    Time time = 1000;
};
