#pragma once
// ShownWindow: what the program's window displays, read from the X server
// rather than from OpenGL: the contents of the window SDL drew into (RGBA,
// top row first, as a screenshot holds them), and how far each channel may
// lie from the colour drawn, by the depth of the window's visual. It reads
// on SDL's graphics connection, the one on which OpenGL presents a frame,
// so a read comes after every frame presented before it. Made once the
// program's display is open; it asks the server to keep the window's
// contents while other windows cover it (test programs share a display),
// so that a read gives the window's own pixels. Include it after every
// other header (Xlib's macros). Main thread only.
#include "MemoryImageFile.h"
#include "ScreenPixels.h"
#include "SdlWindow.h"

#include <X11/Xutil.h>

#include <memory>

namespace testsupport {

class ShownWindow {
public:
    ShownWindow()
    {
        const SdlWindow sdl;
        if (!sdl.ready())
            return;
        pDisplay = sdl.pGraphics;
        window = sdl.window;
        XSetWindowAttributes keep{};
        keep.backing_store = Always;
        XChangeWindowAttributes(pDisplay, window, CWBackingStore, &keep);
        XSync(pDisplay, False);
    }

    // SDL's window was found.
    bool ready() const { return pDisplay != nullptr; }

    // What the window shows now; null when the server would not say.
    std::unique_ptr<MemoryImageFile> read() const
    {
        XWindowAttributes attributes{};
        if (!XGetWindowAttributes(pDisplay, window, &attributes))
            return nullptr;
        XImage* image = XGetImage(pDisplay, window, 0, 0, static_cast<unsigned>(attributes.width),
                                  static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
        if (!image)
            return nullptr;
        auto shown = std::make_unique<MemoryImageFile>(attributes.width, attributes.height);
        unsigned char* pixel = shown->pImageData;
        for (int y = 0; y < attributes.height; ++y)
            for (int x = 0; x < attributes.width; ++x, pixel += 4) {
                const unsigned long value = XGetPixel(image, x, y);
                pixel[0] = channel(value, image->red_mask);
                pixel[1] = channel(value, image->green_mask);
                pixel[2] = channel(value, image->blue_mask);
                pixel[3] = 255;
            }
        XDestroyImage(image);
        return shown;
    }

    // How far a channel the window shows may lie from the colour drawn.
    ChannelTolerance tolerance() const
    {
        XWindowAttributes attributes{};
        XGetWindowAttributes(pDisplay, window, &attributes);
        const Visual* visual = attributes.visual;
        return depthTolerance(__builtin_popcountl(visual->red_mask), __builtin_popcountl(visual->green_mask),
                              __builtin_popcountl(visual->blue_mask));
    }

private:
    // The channel under mask, scaled to 0..255.
    static unsigned char channel(unsigned long value, unsigned long mask)
    {
        if (mask == 0)
            return 0;
        const int shift = __builtin_ctzl(mask);
        return static_cast<unsigned char>(((value & mask) >> shift) * 255 / (mask >> shift));
    }

    Display* pDisplay = nullptr;
    Window window = 0;
};

} // namespace testsupport
