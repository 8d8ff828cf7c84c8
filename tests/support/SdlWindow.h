#pragma once
// SdlWindow: the X side of the window SDL made for the program in this
// process, as SDL tells it (SDL_GetWMInfo): its two connections (one that
// SDL reads the window's events on, one that OpenGL presents on), the
// window it draws into and the top-level window around it that the window
// manager sees. Found once the program's display is open. Include it after
// every other header (Xlib's macros). Main thread only.
#include <SDL/SDL.h>
#include <SDL/SDL_syswm.h>

#include <X11/Xlib.h>

namespace testsupport {

struct SdlWindow {
    SdlWindow()
    {
        SDL_SysWMinfo info;
        SDL_VERSION(&info.version);
        if (SDL_GetWMInfo(&info) != 1 || info.subsystem != SDL_SYSWM_X11)
            return;
        pEvents = info.info.x11.display;
        pGraphics = info.info.x11.gfxdisplay;
        window = info.info.x11.window;
        topLevel = info.info.x11.wmwindow;
    }

    // SDL's window was found.
    bool ready() const { return pEvents != nullptr; }

    // Once this returns, every event the server had for the window before
    // waits in SDL's queue, and whatever SDL asked of the server (a grab, a
    // cursor) has been done.
    void sync() const
    {
        XSync(pEvents, False);
        XSync(pGraphics, False);
    }

    Display* pEvents = nullptr;
    Display* pGraphics = nullptr;
    Window window = 0;
    Window topLevel = 0;
};

} // namespace testsupport
