#pragma once
// ShownCursor: the cursor the X server shows where the pointer stands, as
// the player sees it (XFixes' cursor image, on a connection of its own):
// the cursor of the window under the pointer, or of the window holding a
// grab. A hidden cursor is an image of transparent pixels only. Include it
// after every other header (Xlib's macros); link the Xfixes library.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <string>

class ShownCursor {
public:
    explicit ShownCursor(const std::string& displayName) : pDisplay(XOpenDisplay(displayName.c_str()))
    {
        int eventBase = 0, errorBase = 0, major = 0, minor = 0;
        bReady = pDisplay && XFixesQueryExtension(pDisplay, &eventBase, &errorBase) &&
                 XFixesQueryVersion(pDisplay, &major, &minor);
    }
    ~ShownCursor()
    {
        if (pDisplay)
            XCloseDisplay(pDisplay);
    }
    ShownCursor(const ShownCursor&) = delete;
    ShownCursor& operator=(const ShownCursor&) = delete;

    // The display is open and can tell its cursor.
    bool ready() const { return bReady; }

    // The pointer stands on a pixel of the window.
    bool pointerOver(Window window) const
    {
        Window root = 0, child = 0;
        int rootX = 0, rootY = 0, x = -1, y = -1;
        unsigned mask = 0;
        XWindowAttributes attributes{};
        return XQueryPointer(pDisplay, window, &root, &child, &rootX, &rootY, &x, &y, &mask) &&
               XGetWindowAttributes(pDisplay, window, &attributes) && x >= 0 && y >= 0 && x < attributes.width &&
               y < attributes.height;
    }

    // The cursor shown has a pixel that is not wholly transparent.
    bool visible() const
    {
        XFixesCursorImage* image = XFixesGetCursorImage(pDisplay);
        if (!image)
            return false;
        bool bSeen = false;
        // Each pixel is ARGB, alpha in the top byte of its 32 bits.
        for (int i = 0; i < image->width * image->height && !bSeen; ++i)
            bSeen = ((image->pixels[i] >> 24) & 0xFF) != 0;
        XFree(image);
        return bSeen;
    }

private:
    Display* pDisplay;
    bool bReady = false;
};
